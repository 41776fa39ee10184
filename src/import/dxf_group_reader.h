#pragma once
// Reads an ASCII DXF file as a stream of groups (a code line and a value
// line), strictly forward through a 32 KB buffer, with a one-group step back.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace pv {

struct DxfGroup {
    int code = 0;
    std::string_view value;   // valid until the next call of Next()

    bool Is(int c, std::string_view v) const { return code == c && value == v; }
    double AsDouble() const;
    std::int32_t AsInt() const;
};

// atoi / atof on a value: leading blanks skipped, the longest valid prefix
// taken, 0 when there is none.  Integers saturate instead of wrapping.
std::int32_t DxfParseInt(std::string_view text);
double DxfParseDouble(std::string_view text);

class DxfGroupReader {
public:
    // Longest line kept; the rest of a longer line is skipped.
    static constexpr std::size_t kMaxLine = 2047;
    static constexpr std::size_t kBlockSize = 32768;

    DxfGroupReader() = default;
    ~DxfGroupReader();
    DxfGroupReader(const DxfGroupReader&) = delete;
    DxfGroupReader& operator=(const DxfGroupReader&) = delete;

    // Opens a regular file; false for anything else.
    bool Open(const std::string& path);
    // Reads from memory instead of a file (the bytes must outlive the reader).
    void OpenMemory(const std::uint8_t* data, std::size_t size);

    // The next group; false at the end of the input (a code line without its
    // value line counts as the end).
    bool Next(DxfGroup& group);
    // Makes the next Next() deliver the group it last delivered again.
    void StepBack() { steppedBack_ = true; }

    // Skips whole groups until (0, keyword); false when the input ends first.
    bool Find(std::string_view keyword);

    // True when reading the file failed before its end.
    bool Failed() const { return failed_; }
    // True once Next() has met the end of the input (also in the middle of
    // a group, whose code line then had no value line).
    bool Ended() const { return ended_; }

private:
    // One line without its end into `out`; false at the end of the input.
    bool ReadLine(std::string& out);
    bool Fill();

    std::FILE* file_ = nullptr;
    const std::uint8_t* data_ = nullptr;   // current block
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
    bool memory_ = false;
    bool eof_ = false;
    bool failed_ = false;
    bool ended_ = false;
    bool skipLf_ = false;                  // the last line ended in CR
    std::unique_ptr<std::uint8_t[]> block_;

    std::string codeLine_;
    std::string valueLine_;
    DxfGroup current_;
    bool haveCurrent_ = false;
    bool steppedBack_ = false;
};

}  // namespace pv
