// How glyph shape bytes become strokes: the sixteen vector directions, the
// displacement codes, pen up and down, the vertical-only skip, the codes that
// are passed over, truncated glyphs, and when a segment starts a new stroke.
//
// The label is one em high (H = 416 file units), so design units map one to
// one onto file units: a design point (x, y) lands on (1000 + x, 1584 + y)
// for the origin (1000, 2000).
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include <random>

#include "import/label_drawer.h"
#include "label_test_util.h"

namespace pv {
namespace {

using namespace label_test;

class LabelGlyphTest : public ::testing::Test {
protected:
    void SetUp() override { drawer_.SetStyle(Style(0.285, 1.04)); }

    std::vector<Polyline> Run(const Bytes& glyph, std::uint16_t factor = 10, std::int32_t x0 = 1000) {
        PlotCommandList out;
        drawer_.DrawGlyph(glyph, x0, 2000, 0, factor, out);
        return Strokes(out);
    }
    // Design polylines to file units about the origin (1000, 2000).
    static std::vector<Polyline> At(std::vector<Polyline> design, std::int32_t x0 = 1000) {
        for (auto& line : design)
            for (auto& [x, y] : line) {
                x += x0;
                y += 2000 - 416;
            }
        return design;
    }

    AppSettings settings_;
    LabelDrawer drawer_{settings_, {}};
};

TEST_F(LabelGlyphTest, VectorBytesMoveByTheDirectionTable) {
    // Length nibble 2 x factor 10: L = 20, H = 10.
    const Point ends[16] = {{20, 0},   {20, 10},   {20, 20},   {10, 20},  {0, 20},   {-10, 20},
                            {-20, 20}, {-20, 10},  {-20, 0},   {-20, -10}, {-20, -20}, {-10, -20},
                            {0, -20},  {10, -20},  {20, -20},  {20, -10}};
    for (int d = 0; d < 16; ++d)
        EXPECT_EQ(Run({static_cast<std::uint8_t>(0x20 | d)}), At({{{0, 0}, ends[d]}})) << "direction " << d;
    // H is half of the scaled length, rounded down: nibble 3 x 7 = 21, H = 10.
    EXPECT_EQ(Run({0x31}, 7), At({{{0, 0}, {21, 10}}}));
}

struct GlyphCase {
    const char* what;
    Bytes bytes;
    std::vector<Polyline> design;
};

class LabelGlyphCodeTest : public LabelGlyphTest, public ::testing::WithParamInterface<GlyphCase> {};

TEST_P(LabelGlyphCodeTest, Strokes) {
    EXPECT_EQ(Run(GetParam().bytes), At(GetParam().design)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LabelGlyphCodeTest,
    ::testing::Values(
        GlyphCase{"8: one signed displacement", {8, 0xFF, 2}, {{{0, 0}, {-10, 20}}}},
        GlyphCase{"9: pairs until 0,0, then vectors again",
                  {9, 1, 0, 0, 1, 0, 0, 0x10},
                  {{{0, 0}, {10, 0}, {10, 10}, {20, 10}}}},
        GlyphCase{"pen up moves, pen down draws", {2, 8, 1, 0, 1, 8, 1, 0}, {{{10, 0}, {20, 0}}}},
        GlyphCase{"pen lifted between two strokes",
                  {1, 0x10, 2, 0x10, 1, 0x10},
                  {{{0, 0}, {10, 0}}, {{20, 0}, {30, 0}}}},
        GlyphCase{"0 and 15 do nothing", {0, 0x0F, 0x10, 0}, {{{0, 0}, {10, 0}}}},
        GlyphCase{"3 and 4 pass over their argument", {3, 0x10, 4, 0x10, 0x14}, {{{0, 0}, {0, 10}}}},
        GlyphCase{"14 skips the next vector", {14, 0x10, 0x14}, {{{0, 0}, {0, 10}}}},
        GlyphCase{"14: pen codes do not use up the skip", {14, 2, 1, 0, 0x10, 0x14}, {{{0, 0}, {0, 10}}}},
        GlyphCase{"14 skips a code 8 with its bytes", {14, 8, 1, 1, 0x14}, {{{0, 0}, {0, 10}}}},
        GlyphCase{"14 skips a whole code-9 run", {14, 9, 1, 0, 1, 0, 0, 0, 0x14}, {{{0, 0}, {0, 10}}}},
        GlyphCase{"3 cancels a pending skip", {14, 3, 9, 0x10}, {{{0, 0}, {10, 0}}}},
        // Stack, sub-shape and arc codes: their argument bytes (vector-like
        // values here, so a wrong count would draw) are passed over.
        GlyphCase{"5 6 7 10 11 12 13 are passed over",
                  {5, 6, 7, 0x10, 10, 0x10, 0x10, 11, 0x10, 0x10, 0x10, 0x10, 0x10, 12, 0x10, 0x10, 0x10, 13,
                   0x10, 0x10, 0x10, 0x20, 0x20, 0x20, 0, 0, 0x14},
                  {{{0, 0}, {0, 10}}}},
        GlyphCase{"an arc code is the command a pending 14 skips", {14, 12, 1, 2, 3, 0x10}, {{{0, 0}, {10, 0}}}},
        GlyphCase{"truncated 8", {8, 1}, {}},
        GlyphCase{"truncated 9 run", {9, 1, 1, 2}, {{{0, 0}, {10, 10}}}},
        GlyphCase{"truncated 13", {13, 1, 1}, {}},
        GlyphCase{"truncated 3", {3}, {}},
        GlyphCase{"empty glyph", {}, {}}),
    // The description in letters and digits, so a case keeps its test name
    // wherever it stands in the table: "3 cancels a pending skip" becomes
    // "3_cancels_a_pending_skip".
    [](const ::testing::TestParamInfo<GlyphCase>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c) {
            const bool alnum = std::isalnum(static_cast<unsigned char>(*c));
            if (alnum)
                name += *c;
            else if (!name.empty() && name.back() != '_')
                name += '_';
        }
        return name;
    });

TEST_F(LabelGlyphTest, SegmentsJoinIntoOneStrokeOnlyAtPositiveCoordinates) {
    EXPECT_EQ(Run({0x10, 0x10}), At({{{0, 0}, {10, 0}, {20, 0}}}));
    // At x <= 0 every segment starts its own move/draw pair.
    EXPECT_EQ(Run({0x10, 0x10}, 10, -1000), At({{{0, 0}, {10, 0}}, {{10, 0}, {20, 0}}}, -1000));
}

TEST_F(LabelGlyphTest, GlyphsAlwaysStartANewStroke) {
    // Two glyphs side by side whose strokes meet still make two strokes.
    PlotCommandList out;
    drawer_.DrawGlyph(std::vector<std::uint8_t>{0x10}, 1000, 2000, 0, 10, out);
    drawer_.DrawGlyph(std::vector<std::uint8_t>{0x10}, 1000, 2000, 10, 10, out);
    EXPECT_EQ(Strokes(out), At({{{0, 0}, {10, 0}}, {{10, 0}, {20, 0}}}));
}

TEST_F(LabelGlyphTest, ArbitraryGlyphBytesStayInsideTheGlyph) {
    // Glyph strings from a damaged or foreign font: every byte value, cut
    // anywhere, with extreme factors.  Run under the sanitizers this shows
    // that no byte is read past the glyph and no coordinate overflows.
    std::mt19937 rng(7);
    const std::uint16_t factors[] = {0, 1, 16, 26, 4096, 65535};
    for (int round = 0; round < 3000; ++round) {
        Bytes glyph(rng() % 40);
        for (auto& b : glyph) b = static_cast<std::uint8_t>(rng() % 4 == 0 ? rng() % 16 : rng());
        PlotCommandList out;
        drawer_.DrawGlyph(glyph, round % 2 ? 1000 : -2147483000, 2000, 0, factors[round % 6], out);
        for (const auto& r : out.Records()) EXPECT_TRUE(r.kind == PlotKind::Move || r.kind == PlotKind::Draw);
    }
}

}  // namespace
}  // namespace pv
