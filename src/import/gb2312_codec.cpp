#include "import/gb2312_codec.h"

#include <iconv.h>

#include <cerrno>

namespace pv {

namespace {

// One conversion descriptor, closed with the object.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (Ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one whole unit (a character); false when it cannot be.
    bool Convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = buf;
        std::size_t dstLeft = sizeof buf;
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0)
            return false;
        out.append(buf, static_cast<std::size_t>(dst - buf));
        return true;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence starting with byte b (0 for a byte that
// cannot start one).
std::size_t Utf8SequenceLength(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

}  // namespace

Gb2312Text Utf8ToGb2312(std::string_view utf8) {
    Gb2312Text result;
    Iconv conv("GB2312", "UTF-8");
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            result.bytes.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        std::size_t n = Utf8SequenceLength(b);
        bool ok = n != 0 && i + n <= utf8.size();
        for (std::size_t k = 1; ok && k < n; ++k) ok = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        if (!ok) n = 1;
        if (!(ok && conv.Ok() && conv.Convert(utf8.substr(i, n), result.bytes))) {
            result.bytes.push_back('?');
            ++result.replaced;
        }
        i += n;
    }
    return result;
}

std::string Gb2312ToUtf8(std::string_view gb) {
    std::string out;
    Iconv conv("UTF-8", "GB2312");
    std::size_t i = 0;
    while (i < gb.size()) {
        const auto b = static_cast<unsigned char>(gb[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        if (i + 1 < gb.size() && conv.Ok() && conv.Convert(gb.substr(i, 2), out)) {
            i += 2;
            continue;
        }
        out += "\xEF\xBF\xBD";
        ++i;
    }
    return out;
}

}  // namespace pv
