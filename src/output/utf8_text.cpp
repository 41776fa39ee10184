#include "output/utf8_text.h"

#include <cstdint>

namespace pv {
namespace {

// Length of the well-formed sequence starting at text[i], or 0.
std::size_t sequenceLength(std::string_view t, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<std::uint8_t>(t[k]); };
    const std::uint8_t c = b(i);
    if (c < 0x80) return c == 0 ? 0 : 1;
    std::size_t n = 0;
    std::uint8_t lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;   // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else
        return 0;
    if (i + n > t.size()) return 0;
    if (b(i + 1) < lo || b(i + 1) > hi) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
    return n;
}

}  // namespace

std::string Utf8Sanitized(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequenceLength(text, i);
        if (n == 0) {
            out.push_back('?');
            ++i;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
    return out;
}

int Utf8Length(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const std::size_t n = sequenceLength(text, i);
        i += n == 0 ? 1 : n;
    }
    return count;
}

}  // namespace pv
