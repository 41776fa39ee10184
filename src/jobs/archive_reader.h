#pragma once
// Reads the object archive that ArchiveWriter writes.  Every read checks the
// bytes that remain: a stream that ends early, a count larger than the rest
// of the stream could hold, or an unknown class fails the reader (Failed())
// and every later read returns zeros, so a damaged file never crashes or
// allocates without bound.  A file is read in blocks as the reading goes:
// what the reader holds is a block and the longest single string or curve,
// never the whole file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pv {

class RegularFile;

class ArchiveReader {
public:
    // A stream held in memory (an undo snapshot).
    explicit ArchiveReader(std::string_view bytes) : view_(bytes), total_(bytes.size()) {}
    // The first `size` bytes of an open file, read block by block from its
    // current position.
    ArchiveReader(RegularFile& file, std::uint64_t size) : file_(&file), total_(size) {}

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
    std::int64_t ReadI64();
    // A count of elements of at least `minElementBytes` each.
    std::uint32_t ReadCount(std::size_t minElementBytes);
    // A length-prefixed string (UTF-16 or single-byte), as UTF-8.
    std::string ReadString();

    // The class of the next object reference, from `known` (names); -1 for
    // a null reference.  Fails on a reference to an object read before (the
    // queue never shares an object) and on a class not in `known`.
    int BeginObject(const std::vector<std::string_view>& known);

    bool Failed() const { return failed_; }
    bool AtEnd() const { return pos_ == total_; }
    std::uint64_t Remaining() const { return total_ - pos_; }
    // Why reading failed, for the log.
    const std::string& Error() const { return error_; }
    void Fail(std::string why);

private:
    bool Need(std::uint64_t n);
    // The next `n` bytes, contiguous and consumed; nullptr (and failed) when
    // the stream ends early or the file cannot be read.  Valid until the
    // next read.
    const char* Take(std::size_t n);
    bool Refill(std::size_t n);

    static constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

    std::string_view view_;      // the bytes at hand, starting at `viewStart_`
    std::uint64_t viewStart_ = 0;
    RegularFile* file_ = nullptr;
    std::string block_;          // a file's bytes at hand
    std::uint64_t total_ = 0;
    std::uint64_t pos_ = 0;
    bool failed_ = false;
    std::string error_;
    // What each archive number stands for: a class (index into `known`) or
    // an object (-1).
    std::vector<int> numbers_{-1};   // number 0 is the null reference
};

}  // namespace pv
