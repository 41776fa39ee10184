#include "jobs/archive_writer.h"

namespace pv {

void ArchiveWriter::WriteU16(std::uint16_t v) {
    WriteU8(static_cast<std::uint8_t>(v));
    WriteU8(static_cast<std::uint8_t>(v >> 8));
}

void ArchiveWriter::WriteU32(std::uint32_t v) {
    WriteU16(static_cast<std::uint16_t>(v));
    WriteU16(static_cast<std::uint16_t>(v >> 16));
}

void ArchiveWriter::WriteI64(std::int64_t v) {
    const auto u = static_cast<std::uint64_t>(v);
    WriteU32(static_cast<std::uint32_t>(u));
    WriteU32(static_cast<std::uint32_t>(u >> 32));
}

void ArchiveWriter::WriteCount(std::uint64_t n) {
    if (n < 0xFFFF) {
        WriteU16(static_cast<std::uint16_t>(n));
    } else {
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(n));
    }
}

void ArchiveWriter::WriteString(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    const std::size_t n = units.size();
    WriteU8(0xFF);
    WriteU16(0xFFFE);
    if (n < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(n));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(n));
    }
    for (char16_t c : units) WriteU16(static_cast<std::uint16_t>(c));
}

void ArchiveWriter::BeginObject(std::string_view name, std::uint16_t schema) {
    auto it = classes_.find(name);
    if (it == classes_.end()) {
        WriteU16(0xFFFF);
        WriteU16(schema);
        WriteU16(static_cast<std::uint16_t>(name.size()));
        bytes_.append(name);
        classes_.emplace(std::string(name), nextNumber_++);
    } else if (it->second < 0x7FFF) {
        WriteU16(static_cast<std::uint16_t>(0x8000 | it->second));
    } else {
        WriteU16(0x7FFF);
        WriteU32(0x80000000u | it->second);
    }
    ++nextNumber_;   // the object itself
}

std::u16string Utf8ToUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        int len = 1;
        if (b < 0x80) {
            cp = b;
        } else {
            int extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
            if (b >= 0xF5) extra = -1;
            if (extra > 0 && i + static_cast<std::size_t>(extra) < s.size()) {
                char32_t v = b & (0x3F >> extra);
                bool ok = true;
                for (int k = 1; k <= extra; ++k) {
                    const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
                    if ((c & 0xC0) != 0x80) {
                        ok = false;
                        break;
                    }
                    v = (v << 6) | (c & 0x3F);
                }
                const char32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
                if (ok && v >= minimum && v <= 0x10FFFF && (v < 0xD800 || v > 0xDFFF)) {
                    cp = v;
                    len = extra + 1;
                }
            }
        }
        i += static_cast<std::size_t>(len);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace pv
