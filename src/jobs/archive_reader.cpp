#include "jobs/archive_reader.h"

#include "jobs/archive_writer.h"

namespace pv {

void ArchiveReader::Fail(std::string why) {
    if (!failed_) error_ = std::move(why);
    failed_ = true;
}

bool ArchiveReader::Need(std::size_t n) {
    if (failed_) return false;
    if (Remaining() < n) {
        Fail("the stream ends early");
        return false;
    }
    return true;
}

std::uint8_t ArchiveReader::ReadU8() {
    if (!Need(1)) return 0;
    return static_cast<std::uint8_t>(bytes_[pos_++]);
}

std::uint16_t ArchiveReader::ReadU16() {
    if (!Need(2)) return 0;
    const std::uint16_t lo = ReadU8();
    return static_cast<std::uint16_t>(lo | (ReadU8() << 8));
}

std::uint32_t ArchiveReader::ReadU32() {
    if (!Need(4)) return 0;
    const std::uint32_t lo = ReadU16();
    return lo | (static_cast<std::uint32_t>(ReadU16()) << 16);
}

std::int64_t ArchiveReader::ReadI64() {
    if (!Need(8)) return 0;
    const std::uint64_t lo = ReadU32();
    return static_cast<std::int64_t>(lo | (static_cast<std::uint64_t>(ReadU32()) << 32));
}

std::uint32_t ArchiveReader::ReadCount(std::size_t minElementBytes) {
    std::uint32_t n = ReadU16();
    if (n == 0xFFFF) n = ReadU32();
    if (failed_) return 0;
    if (minElementBytes > 0 && n > Remaining() / minElementBytes) {
        Fail("a count runs past the end of the stream");
        return 0;
    }
    return n;
}

std::string ArchiveReader::ReadString() {
    // The length: one byte, 0xFF then 16 bits, 0xFFFF then 32 bits; a
    // 16-bit 0xFFFE marks UTF-16 and the length follows again.
    bool wide = false;
    std::uint32_t n = ReadU8();
    if (n == 0xFF) {
        n = ReadU16();
        if (n == 0xFFFE) {
            wide = true;
            n = ReadU8();
            if (n == 0xFF) {
                n = ReadU16();
                if (n == 0xFFFF) n = ReadU32();
            }
        } else if (n == 0xFFFF) {
            n = ReadU32();
        }
    }
    if (failed_) return {};
    const std::size_t bytes = wide ? std::size_t{n} * 2 : n;
    if (!Need(bytes)) return {};
    std::string_view raw = bytes_.substr(pos_, bytes);
    pos_ += bytes;
    if (!wide) {
        // single-byte text: Latin-1 as far as this system can tell
        std::u16string units(raw.begin(), raw.end());
        for (std::size_t i = 0; i < raw.size(); ++i) units[i] = static_cast<unsigned char>(raw[i]);
        return Utf16ToUtf8(units);
    }
    std::u16string units(n, u'\0');
    for (std::size_t i = 0; i < n; ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
    return Utf16ToUtf8(units);
}

int ArchiveReader::BeginObject(const std::vector<std::string_view>& known) {
    const std::uint16_t tag = ReadU16();
    if (failed_) return -1;
    if (tag == 0) return -1;
    std::uint32_t ref = tag;
    if (tag == 0xFFFF) {
        const std::uint16_t schema = ReadU16();
        const std::uint16_t len = ReadU16();
        if (!Need(len)) return -1;
        const std::string_view name = bytes_.substr(pos_, len);
        pos_ += len;
        int cls = -1;
        for (std::size_t k = 0; k < known.size(); ++k)
            if (known[k] == name) cls = static_cast<int>(k);
        if (cls < 0) {
            Fail("unknown class \"" + std::string(name) + "\"");
            return -1;
        }
        if (schema != 1) {
            Fail("unsupported schema of class \"" + std::string(name) + "\"");
            return -1;
        }
        numbers_.push_back(cls);
        numbers_.push_back(-1);
        return cls;
    }
    if (tag == 0x7FFF) ref = ReadU32();
    if (failed_) return -1;
    const bool classRef = tag == 0x7FFF ? (ref & 0x80000000u) != 0 : (tag & 0x8000) != 0;
    const std::uint32_t number = tag == 0x7FFF ? (ref & 0x7FFFFFFFu) : (tag & 0x7FFFu);
    if (!classRef) {
        Fail("a reference to an earlier object");
        return -1;
    }
    if (number == 0 || number >= numbers_.size() || numbers_[number] < 0) {
        Fail("a reference to an unknown class");
        return -1;
    }
    const int cls = numbers_[number];
    numbers_.push_back(-1);
    return cls;
}

}  // namespace pv
