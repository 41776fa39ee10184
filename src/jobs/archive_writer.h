#pragma once
// Writes the object archive of the print-task file: little-endian numbers,
// counts, length-prefixed UTF-16 strings and object references that number
// every class record and object in order of first appearance (from 1;
// classes and objects share the numbering).
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace pv {

class ArchiveWriter {
public:
    void WriteU8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void WriteU16(std::uint16_t v);
    void WriteU32(std::uint32_t v);
    void WriteI32(std::int32_t v) { WriteU32(static_cast<std::uint32_t>(v)); }
    void WriteI64(std::int64_t v);
    // 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    void WriteCount(std::uint64_t n);
    // UTF-8 text written as FF FE FF, the length in UTF-16 units, the units.
    void WriteString(std::string_view utf8);
    // Opens a new object of class `name`: the class record the first time,
    // the class's number afterwards.  The object's data follows.
    void BeginObject(std::string_view name, std::uint16_t schema);

    const std::string& Bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
    std::map<std::string, std::uint32_t, std::less<>> classes_;
    std::uint32_t nextNumber_ = 1;
};

// UTF-8 to UTF-16 units; bytes that are not UTF-8 become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view s);
// UTF-16 units to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view s);

}  // namespace pv
