#pragma once
// Replaces a file as a whole or not at all: the new contents go to a
// temporary file beside the target, are flushed to the disk and then renamed
// over the target.  A failed write (full disk, missing folder, no permission)
// leaves the old file exactly as it was.  A target without write permission
// (made read-only by the operator) is not replaced, and temporary files left
// beside it by a writer that was killed are removed at the next write.
#include <string>
#include <string_view>

namespace pv {

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();   // discards the temporary file unless committed
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file.  False when it cannot be created.
    bool Open();
    // Appends bytes; buffered.  False once any write has failed.
    bool Write(std::string_view bytes);
    // Flushes, syncs and renames over the target.  False when any step
    // failed; the target is then unchanged.
    bool Commit();

    // What went wrong, for messages; empty while all is well.
    const std::string& Error() const { return error_; }

private:
    bool Flush();
    bool Fail(const char* what, int err);
    void Discard();

    std::string target_;
    std::string temp_;
    std::string buffer_;
    std::string error_;
    int fd_ = -1;
    bool failed_ = false;
};

// "<file>: the file is read-only" when `path` names a file that a write would
// refuse for that reason (the error the writer gives); empty otherwise.
std::string ReadOnlyProblem(const std::string& path);

// Convenience: the whole contents at once.
bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error = nullptr);

}  // namespace pv
