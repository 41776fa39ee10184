#pragma once
// Reads the object archive that ArchiveWriter writes.  Every read checks the
// bytes that remain: a stream that ends early, a count larger than the rest
// of the stream could hold, or an unknown class fails the reader (Failed())
// and every later read returns zeros, so a damaged file never crashes or
// allocates without bound.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pv {

class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : bytes_(bytes) {}

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
    bool AtEnd() const { return pos_ == bytes_.size(); }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    // Why reading failed, for the log.
    const std::string& Error() const { return error_; }
    void Fail(std::string why);

private:
    bool Need(std::size_t n);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    std::string error_;
    // What each archive number stands for: a class (index into `known`) or
    // an object (-1).
    std::vector<int> numbers_{-1};   // number 0 is the null reference
};

}  // namespace pv
