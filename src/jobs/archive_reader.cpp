#include "jobs/archive_reader.h"

#include <algorithm>

#include "jobs/archive_writer.h"
#include "settings/regular_file.h"

namespace pv {

void ArchiveReader::Fail(std::string why) {
    if (!failed_) error_ = std::move(why);
    failed_ = true;
}

bool ArchiveReader::Need(std::uint64_t n) {
    if (failed_) return false;
    if (Remaining() < n) {
        Fail("the stream ends early");
        return false;
    }
    return true;
}

bool ArchiveReader::Refill(std::size_t n) {
    // Keep what is not consumed yet, then read at least a block more (never
    // beyond the size the file had when it was opened).
    const auto used = static_cast<std::size_t>(pos_ - viewStart_);
    block_.erase(0, used);
    viewStart_ = pos_;
    const std::uint64_t want = std::max<std::uint64_t>(n, kBlockBytes);
    const auto more = static_cast<std::size_t>(std::min<std::uint64_t>(want, Remaining()) - block_.size());
    const std::size_t had = block_.size();
    block_.resize(had + more);
    const long got = file_->Read(block_.data() + had, more);
    if (got < 0 || static_cast<std::size_t>(got) != more) {
        block_.resize(had);
        view_ = block_;
        Fail(got < 0 ? "the file cannot be read" : "the file became shorter while it was read");
        return false;
    }
    view_ = block_;
    return true;
}

const char* ArchiveReader::Take(std::size_t n) {
    if (!Need(n)) return nullptr;
    if (n == 0) return "";
    if (pos_ + n > viewStart_ + view_.size() && (file_ == nullptr || !Refill(n))) {
        Fail("the stream ends early");
        return nullptr;
    }
    const char* p = view_.data() + (pos_ - viewStart_);
    pos_ += n;
    return p;
}

std::uint8_t ArchiveReader::ReadU8() {
    const char* p = Take(1);
    return p ? static_cast<std::uint8_t>(*p) : 0;
}

std::uint16_t ArchiveReader::ReadU16() {
    const char* p = Take(2);
    if (!p) return 0;
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(p[0]) | (static_cast<std::uint8_t>(p[1]) << 8));
}

std::uint32_t ArchiveReader::ReadU32() {
    const char* p = Take(4);
    if (!p) return 0;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(p[i]);
    return v;
}

std::int64_t ArchiveReader::ReadI64() {
    const char* p = Take(8);
    if (!p) return 0;
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(p[i]);
    return static_cast<std::int64_t>(v);
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
    const char* at = Take(bytes);
    if (!at) return {};
    const std::string_view raw(at, bytes);
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
        const char* at = Take(len);
        if (!at) return -1;
        const std::string name(at, len);
        int cls = -1;
        for (std::size_t k = 0; k < known.size(); ++k)
            if (known[k] == name) cls = static_cast<int>(k);
        if (cls < 0) {
            Fail("unknown class \"" + name + "\"");
            return -1;
        }
        if (schema != 1) {
            Fail("unsupported schema of class \"" + name + "\"");
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
