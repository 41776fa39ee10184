#include "import/stroke_font.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace pv {

namespace {

// Header values of the shipped fonts, used until a file is loaded.
constexpr std::uint16_t kShippedLatinMetrics[3] = {4, 22, 7};
constexpr std::uint16_t kShippedChineseMetrics[3] = {16, 16, 0};
// Advance of the shipped Latin space, in font units.
constexpr std::uint16_t kShippedSpaceAdvance = 16;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

StrokeFont::StrokeFont(StrokeFontKind kind) : kind_(kind), firstAdvance_(kShippedSpaceAdvance) {
    const auto& m = kind == StrokeFontKind::Latin ? kShippedLatinMetrics : kShippedChineseMetrics;
    std::copy(std::begin(m), std::end(m), metrics_);
}

FontLoadResult StrokeFont::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FontLoadResult::CannotOpen;
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return FontLoadResult::CannotOpen;
    return LoadBytes(bytes);
}

FontLoadResult StrokeFont::LoadBytes(std::span<const std::uint8_t> bytes) {
    const bool latin = kind_ == StrokeFontKind::Latin;
    const std::size_t headerSize = latin ? 10 : 8;
    const std::size_t recordSize = latin ? 10 : 8;
    glyphs_.clear();
    data_.assign(bytes.begin(), bytes.end());
    if (data_.size() < headerSize) return FontLoadResult::BadHeader;

    const std::uint8_t* p = data_.data();
    metrics_[0] = U16(p);
    metrics_[1] = U16(p + 2);
    if (latin) metrics_[2] = U16(p + 4);
    const std::uint32_t count = U32(p + (latin ? 6 : 4));
    // A count larger than the file can hold keeps only the records present.
    const std::size_t fit = (data_.size() - headerSize) / recordSize;
    const std::size_t n = std::min<std::size_t>(count, fit);
    glyphs_.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* r = p + headerSize + i * recordSize;
        if (latin)
            glyphs_.emplace_back(U16(r), U16(r + 2), U16(r + 4), U32(r + 6));
        else
            glyphs_.emplace_back(U16(r), U16(r + 2), 0, U32(r + 4));
    }
    if (latin && !glyphs_.empty()) firstAdvance_ = glyphs_.front().advance;
    // The lookup is a binary search; a file whose index is out of order still
    // finds every character.
    auto byCode = [](const CCharactor& a, const CCharactor& b) { return a.code < b.code; };
    if (!std::is_sorted(glyphs_.begin(), glyphs_.end(), byCode))
        std::stable_sort(glyphs_.begin(), glyphs_.end(), byCode);
    return FontLoadResult::Ok;
}

const CCharactor* StrokeFont::Find(std::uint16_t code) const {
    auto it = std::lower_bound(glyphs_.begin(), glyphs_.end(), code,
                               [](const CCharactor& g, std::uint16_t c) { return g.code < c; });
    return it != glyphs_.end() && it->code == code ? &*it : nullptr;
}

std::span<const std::uint8_t> StrokeFont::Bytes(const CCharactor& g) const {
    if (g.byteCount == 0 || g.offset > data_.size() || data_.size() - g.offset < g.byteCount) return {};
    return {data_.data() + g.offset, g.byteCount};
}

}  // namespace pv
