// The shipped stroke fonts as files: header values, a code-sorted index whose
// glyph strings follow it back to back inside the file, glyphs that end in 0,
// parse cleanly with the codes the generator writes, and stay inside their
// character cell; and the copies built into the program are the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "import/embedded_fonts.h"
#include "import/stroke_font.h"

namespace pv {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned U16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | (std::uint32_t{U16(b, at + 2)} << 16); }

// The extent of the pen-down segments of a glyph, in design units.
struct Box {
    std::int64_t minX = INT64_MAX, maxX = INT64_MIN, minY = INT64_MAX, maxY = INT64_MIN;
    void Add(std::int64_t x, std::int64_t y) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
};

// Walks a glyph with the subset the generator writes (1, 2, 8, 9, vectors,
// 0 at the end) in font units; fails the test on anything else.
Box Walk(const Bytes& g, int factor, const std::string& what) {
    static const int dirs[16][4] = {{1, 0, 0, 0},   {1, 0, 0, 1},   {1, 0, 1, 0},   {0, 1, 1, 0},
                                    {0, 0, 1, 0},   {0, -1, 1, 0},  {-1, 0, 1, 0},  {-1, 0, 0, 1},
                                    {-1, 0, 0, 0},  {-1, 0, 0, -1}, {-1, 0, -1, 0}, {0, -1, -1, 0},
                                    {0, 0, -1, 0},  {0, 1, -1, 0},  {1, 0, -1, 0},  {1, 0, 0, -1}};
    Box box;
    std::int64_t x = 0, y = 0;   // design units
    bool down = true;
    auto move = [&](std::int64_t dx, std::int64_t dy) {
        if (down) box.Add(x, y);
        x += dx;
        y += dy;
        if (down) box.Add(x, y);
    };
    auto sb = [&](std::size_t i) { return static_cast<std::int8_t>(g[i]); };
    EXPECT_FALSE(g.empty()) << what;
    if (g.empty()) return box;
    EXPECT_EQ(g.back(), 0) << what;
    for (std::size_t i = 0; i < g.size();) {
        const std::uint8_t c = g[i++];
        if (c >= 0x10) {
            const int len = (c >> 4) * factor, half = len / 2;
            const int* d = dirs[c & 15];
            move(d[0] * len + d[1] * half, d[2] * len + d[3] * half);
        } else if (c == 1 || c == 2) {
            down = c == 1;
        } else if (c == 8) {
            if (!(g.size() - i >= 2)) {
                ADD_FAILURE() << what << ": code 8 cut short";
                break;
            }
            move(sb(i) * factor, sb(i + 1) * factor);
            i += 2;
        } else if (c == 9) {
            bool closed = false;
            while (g.size() - i >= 2) {
                const int dx = sb(i), dy = sb(i + 1);
                i += 2;
                if (dx == 0 && dy == 0) {
                    closed = true;
                    break;
                }
                move(dx * factor, dy * factor);
            }
            if (!closed) {
                ADD_FAILURE() << what << ": code-9 run not closed";
                break;
            }
        } else if (c != 0) {
            ADD_FAILURE() << what << ": unexpected code " << int(c);
            break;
        } else if (i != g.size()) {
            ADD_FAILURE() << what << ": 0 before the end";
            break;
        }
    }
    return box;
}

struct Record {
    unsigned code, count, advance;
    std::uint32_t offset;
};

// Checks the index and the glyph layout; returns the records.
std::vector<Record> CheckLayout(const Bytes& f, bool latin) {
    const std::size_t header = latin ? 10 : 8, size = latin ? 10 : 8;
    const std::uint32_t count = U32(f, latin ? 6 : 4);
    std::vector<Record> out;
    EXPECT_GE(f.size(), header + count * size);
    if (f.size() < header + count * size) return out;
    std::uint32_t expected = static_cast<std::uint32_t>(header + count * size);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = header + i * size;
        Record r{U16(f, at), U16(f, at + 2), latin ? U16(f, at + 4) : 0, U32(f, at + (latin ? 6 : 4))};
        if (!out.empty()) {
            EXPECT_LT(out.back().code, r.code) << "index not sorted at record " << i;
        }
        EXPECT_EQ(r.offset, expected) << "glyphs not back to back at code " << std::hex << r.code;
        EXPECT_LE(std::uint64_t{r.offset} + r.count, f.size());
        expected = r.offset + r.count;
        out.push_back(r);
    }
    return out;
}

Bytes GlyphOf(const Bytes& f, const Record& r) {
    return Bytes(f.begin() + r.offset, f.begin() + r.offset + r.count);
}

TEST(LabelFontFiles, LatinFontHoldsThe95PrintableCodes) {
    const Bytes f = ReadAll(PV_SOURCE_DIR "/resources/fonts/fon_en.bin");
    ASSERT_GE(f.size(), 10u);
    EXPECT_EQ(U16(f, 0), 4u);
    EXPECT_EQ(U16(f, 2), 22u);
    EXPECT_EQ(U16(f, 4), 7u);
    ASSERT_EQ(U32(f, 6), 95u);
    const auto records = CheckLayout(f, true);
    ASSERT_EQ(records.size(), 95u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        EXPECT_EQ(r.code, 0x20 + i);
        EXPECT_GT(r.advance, 0u);
        const Box b = Walk(GlyphOf(f, r), 16, "Latin " + std::to_string(r.code));
        // Inside the line: descenders to -7, nothing above the cell (26),
        // nothing left of the glyph or beyond its advance.
        EXPECT_GE(b.minY, -7 * 16) << char(r.code);
        EXPECT_LE(b.maxY, 26 * 16) << char(r.code);
        EXPECT_GE(b.minX, 0) << char(r.code);
        EXPECT_LE(b.maxX, std::int64_t{r.advance} * 16) << char(r.code);
    }
    EXPECT_EQ(records['A' - 0x20].count > 1, true);
}

TEST(LabelFontFiles, ChineseFontCoversEveryGb2312Hanzi) {
    const Bytes f = ReadAll(PV_SOURCE_DIR "/resources/fonts/fon_hz.bin");
    ASSERT_GE(f.size(), 8u);
    EXPECT_EQ(U16(f, 0), 16u);
    EXPECT_EQ(U16(f, 2), 16u);
    const auto records = CheckLayout(f, false);
    ASSERT_FALSE(records.empty());
    int hanzi = 0;
    for (const Record& r : records) {
        const unsigned lead = r.code >> 8, trail = r.code & 0xFF;
        EXPECT_TRUE(lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE) << std::hex << r.code;
        if (r.code == 0xA1A1) {
            EXPECT_EQ(r.count, 0u);
        }
        if (r.count == 0) continue;
        if (lead >= 0xB0) ++hanzi;
        const Box b = Walk(GlyphOf(f, r), 26, "code " + std::to_string(r.code));
        // Inside the 16 x 16 cell; hanzi keep a gap of one cell unit so that
        // neighbours never touch.
        const int lo = lead >= 0xB0 ? 26 : 0, hi = lead >= 0xB0 ? 15 * 26 : 16 * 26;
        EXPECT_TRUE(b.minX >= lo && b.maxX <= hi && b.minY >= lo && b.maxY <= hi) << std::hex << r.code;
    }
    // GB2312 has 6763 hanzi in rows 0xB0..0xF7 (row 0xD7 ends at 0xF9).
    EXPECT_EQ(hanzi, 6763);
}

TEST(LabelFontFiles, BuiltInCopiesAreTheShippedFiles) {
    const Bytes en = ReadAll(PV_SOURCE_DIR "/resources/fonts/fon_en.bin");
    const Bytes hz = ReadAll(PV_SOURCE_DIR "/resources/fonts/fon_hz.bin");
    const auto builtInEn = EmbeddedFont(StrokeFontKind::Latin);
    const auto builtInHz = EmbeddedFont(StrokeFontKind::Chinese);
    EXPECT_EQ(Bytes(builtInEn.begin(), builtInEn.end()), en);
    EXPECT_EQ(Bytes(builtInHz.begin(), builtInHz.end()), hz);
}

}  // namespace
}  // namespace pv
