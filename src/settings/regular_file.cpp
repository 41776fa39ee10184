#include "settings/regular_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace pv {

RegularFile::RegularFile(RegularFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)), st_(other.st_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        st_ = other.st_;
    }
    return *this;
}

void RegularFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

int RegularFile::Release() { return std::exchange(fd_, -1); }

RegularFileResult RegularFile::Open(const std::string& path) {
    Close();
    // O_NONBLOCK: opening a named pipe for reading would otherwise wait for a
    // writer that may never come; O_NOCTTY: a terminal never becomes ours.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return RegularFileResult::CannotOpen;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return RegularFileResult::CannotOpen;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return RegularFileResult::NotRegular;
    }
    // Reads of a regular file never wait anyway; the flag is dropped so the
    // descriptor behaves as an ordinary one.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fd_ = fd;
    st_ = st;
    return RegularFileResult::Ok;
}

long RegularFile::Read(void* buf, std::size_t n) {
    auto* bytes = static_cast<unsigned char*>(buf);
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(fd_, bytes + got, n - got);
        if (r == 0) break;
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        got += static_cast<std::size_t>(r);
    }
    return static_cast<long>(got);
}

std::string RegularFileProblem(RegularFileResult r, int err) {
    switch (r) {
    case RegularFileResult::Ok: return {};
    case RegularFileResult::NotRegular: return "is not a regular file (a folder, pipe or device)";
    case RegularFileResult::CannotOpen: break;
    }
    return std::string("cannot be opened: ") + std::strerror(err);
}

}  // namespace pv
