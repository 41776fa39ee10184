#pragma once
// Opening a file for reading that every reader of the station shares: only a
// regular file is read.  The open itself never waits, so a named pipe, a
// terminal or a device given as a pattern, task, firmware, font or settings
// file is refused at once instead of holding the program up for ever.
#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace pv {

enum class RegularFileResult {
    Ok,
    CannotOpen,   // missing, no permission
    NotRegular,   // a folder, pipe, socket or device
};

// A descriptor of a regular file opened for reading, closed with the object.
class RegularFile {
public:
    RegularFile() = default;
    ~RegularFile() { Close(); }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;

    // Opens without blocking, then checks the file's kind through the
    // descriptor itself (no window between a check and the open).
    RegularFileResult Open(const std::string& path);
    void Close();
    // Gives the descriptor up (to a stream that closes it) and returns it.
    int Release();

    int fd() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    std::int64_t size() const { return static_cast<std::int64_t>(st_.st_size); }
    const struct stat& info() const { return st_; }

    // Reads until `n` bytes are in or the file ends: the count read, -1 on a
    // read error.  A read cut short by a signal is retried.
    long Read(void* buf, std::size_t n);

private:
    int fd_ = -1;
    struct stat st_ {};
};

// Why a file was not opened, for messages: "cannot be opened: <reason>" or
// "is not a regular file".
std::string RegularFileProblem(RegularFileResult r, int err);

}  // namespace pv
