#pragma once
// Reading a file through its descriptor, shared by the readers of this
// folder.  Files are opened with RegularFile (settings/regular_file.h): only
// a regular file, opened without waiting, closed on every way out.
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "settings/regular_file.h"

namespace pv {

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

// Reads until `n` bytes are in or the file ends; the count read, -1 on a
// read error.
inline long ReadFull(int fd, std::uint8_t* buf, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(fd, buf + got, n - got);
        if (r == 0) break;
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        got += static_cast<std::size_t>(r);
    }
    return static_cast<long>(got);
}

}  // namespace pv
