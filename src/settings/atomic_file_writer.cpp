#include "settings/atomic_file_writer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace pv {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

std::atomic<unsigned> g_tempCounter{0};

// A symbolic link is followed so that the file it names is replaced and the
// link stays a link.
std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto real = std::filesystem::weakly_canonical(path, ec);
        if (!ec) return real.string();
    }
    return path;
}

void SyncDirectoryOf(const std::string& path) {
    std::string dir = std::filesystem::path(path).parent_path().string();
    if (dir.empty()) dir = ".";
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);   // best effort: some file systems refuse it
        ::close(fd);
    }
}

// A temporary file of ours ("." + name + "." + pid + "-" + n + ".tmp") whose
// writer no longer runs was left by a kill between its creation and the
// rename: removed, so such files do not pile up beside the target.  A
// temporary file of a writer that still runs is left to it.
void RemoveStaleTemporaries(const std::string& dir, const std::string& prefixName) {
    std::error_code ec;
    std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec);
    if (ec) return;
    const std::string tmp = ".tmp";
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= prefixName.size() + tmp.size() || name.compare(0, prefixName.size(), prefixName) != 0 ||
            name.compare(name.size() - tmp.size(), tmp.size(), tmp) != 0)
            continue;
        const std::string middle = name.substr(prefixName.size(), name.size() - prefixName.size() - tmp.size());
        const auto dash = middle.find('-');
        if (dash == std::string::npos || dash == 0) continue;
        long pid = 0;
        for (std::size_t i = 0; i < dash; ++i) {
            if (middle[i] < '0' || middle[i] > '9' || pid > 99999999) {
                pid = -1;
                break;
            }
            pid = pid * 10 + (middle[i] - '0');
        }
        if (pid <= 0 || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;   // its writer still runs
        std::filesystem::remove(entry.path(), ec);
    }
}

// A file the operator made read-only (no write permission bit at all, or
// none for us) is not replaced: the rename would go through the folder's
// permission and undo the operator's choice.
bool ReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path) : target_(ResolveTarget(path)) {}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Fail(const char* what, int err) {
    if (!failed_) {
        error_ = std::string(what) + ": " + std::strerror(err);
        failed_ = true;
    }
    return false;
}

void AtomicFileWriter::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

bool AtomicFileWriter::Open() {
    if (fd_ >= 0 || failed_) return !failed_;
    if (target_.empty()) return Fail("no file name", EINVAL);
    std::filesystem::path target(target_);
    std::string dir = target.parent_path().string();
    std::string base = target.filename().string();
    if (base.empty()) return Fail(target_.c_str(), EISDIR);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return Fail(target_.c_str(), EISDIR);
    if (std::string why = ReadOnlyProblem(target_); !why.empty()) {
        error_ = std::move(why);
        failed_ = true;
        return false;
    }
    RemoveStaleTemporaries(dir, "." + base + ".");
    const std::string prefix = (dir.empty() ? std::string() : dir + "/") + "." + base + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix + std::to_string(::getpid()) + "-" + std::to_string(g_tempCounter++) + ".tmp";
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temp_ = name;
            // A replaced file keeps its permissions.
            struct stat st {};
            if (::stat(target_.c_str(), &st) == 0) ::fchmod(fd_, st.st_mode & 07777);
            buffer_.reserve(kBufferBytes);
            return true;
        }
        if (errno != EEXIST) return Fail(target_.c_str(), errno);
    }
    return Fail(target_.c_str(), EEXIST);
}

bool AtomicFileWriter::Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail(target_.c_str(), errno);
        }
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
    if (failed_) return false;
    if (fd_ < 0 && !Open()) return false;
    if (buffer_.size() + bytes.size() > kBufferBytes && !Flush()) return false;
    if (bytes.size() >= kBufferBytes) {
        buffer_.assign(bytes);
        return Flush();
    }
    buffer_.append(bytes);
    return true;
}

bool AtomicFileWriter::Commit() {
    if (failed_) {
        Discard();
        return false;
    }
    if (fd_ < 0 && !Open()) return false;
    bool ok = Flush();
    if (ok && ::fsync(fd_) != 0) ok = Fail(target_.c_str(), errno);
    if (::close(fd_) != 0 && ok) ok = Fail(target_.c_str(), errno);
    fd_ = -1;
    if (ok && ::rename(temp_.c_str(), target_.c_str()) != 0) ok = Fail(target_.c_str(), errno);
    if (!ok) {
        Discard();
        return false;
    }
    temp_.clear();
    SyncDirectoryOf(target_);
    return true;
}

std::string ReadOnlyProblem(const std::string& path) {
    const std::string target = ResolveTarget(path);
    return ReadOnlyFile(target) ? target + ": the file is read-only" : std::string();
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error) {
    AtomicFileWriter writer(path);
    bool ok = writer.Open() && writer.Write(contents) && writer.Commit();
    if (!ok && error) *error = writer.Error();
    return ok;
}

}  // namespace pv
