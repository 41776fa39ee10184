// Where label glyphs land: the reference point from the label origin, the
// size from SI and the font scale, the direction, and the advance of single
// and double-byte characters.  Drawn with small hand-made fonts whose glyphs
// are plain bars, so every expected point can be worked out by hand.
#include <gtest/gtest.h>

#include <string>

#include "import/label_drawer.h"
#include "label_test_util.h"

namespace pv {
namespace {

using namespace label_test;

// Latin test font (font units x 16 = design units; em = 416):
//   ' ' advance 20;  'A' a bar from the baseline up to the top of the cell
//   (0,0)-(0,26), advance 18;  'L' a bar along the baseline (0,0)-(10,0).
// Chinese test font (cell units x 26): 0xB0A1 a bar along the baseline over
// the whole cell (0,0)-(16,0); 0xA1A1 the full-width space, no bytes.
class LabelDrawerTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.Write(dir_.settings.EnFontPath, LatinFont({{0x20, {{0}, 20}},
                                                        {'A', {{9, 0, 26, 0, 0, 0}, 18}},
                                                        {'L', {{9, 10, 0, 0, 0, 0}, 12}}}));
        dir_.Write(dir_.settings.HzFontPath, ChineseFont({{0xA1A1, {}}, {0xB0A1, {9, 16, 0, 0, 0, 0}}}));
        drawer_.LoadFonts();
    }

    std::vector<Polyline> Draw(const std::string& text, LabelStyle style = {}, double x = 1000, double y = 1000) {
        PlotCommandList out;
        drawer_.DrawLine(x, y, reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<int>(text.size()),
                         style, out);
        return Strokes(out);
    }

    ProgramDir dir_;
    std::vector<std::string> messages_;
    LabelDrawer drawer_{dir_.settings, [this](const std::string& m) { messages_.push_back(m); }};
};

TEST_F(LabelDrawerTest, DefaultLabelStandsOnThePenPositionOneCharacterHigh) {
    // H = 0.375 cm x 400 = 150, R = (1000, 1150); the baseline lies on y = 1000.
    EXPECT_EQ(Draw("A"), (std::vector<Polyline>{{{1000, 1000}, {1000, 1150}}}));
    EXPECT_TRUE(messages_.empty());
}

struct SizeCase {
    const char* name;   // the test's name
    double charWidth, charHeight;
    std::int32_t fontScale;
    std::int32_t top;       // y of the top of 'A' (the baseline stays at 1000)
    std::int32_t secondX;   // x of the second 'A': advance 18 x 16 design units
};

class LabelSizeTest : public LabelDrawerTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(LabelSizeTest, HeightFollowsSiAndScaleWhileAdvanceFollowsTheFont) {
    const SizeCase& c = GetParam();
    const auto strokes = Draw("AA", Style(c.charWidth, c.charHeight, 0, 1, c.fontScale));
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0], (Polyline{{1000, 1000}, {1000, c.top}}));
    EXPECT_EQ(strokes[1], (Polyline{{c.secondX, 1000}, {c.secondX, c.top}}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LabelSizeTest,
                         ::testing::Values(SizeCase{"Plain", 0.285, 0.375, 100, 1150, 1104},   // 288 x 150/416 = 103.8
                                           SizeCase{"TwiceTheScale", 0.285, 0.375, 200, 1300, 1208},
                                           SizeCase{"TwiceTheHeight", 0.285, 0.75, 100, 1300, 1208},
                                           SizeCase{"WiderCharacters", 1.0, 0.375, 100, 1150, 1104},   // width moves nothing
                                           SizeCase{"ScaleHeldAt20Percent", 0.285, 0.375, 5, 1030, 1021},
                                           SizeCase{"ScaleHeldAt500Percent", 0.285, 0.375, 900, 1750, 1519}),
                         [](const ::testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.name); });

TEST_F(LabelDrawerTest, FourHeadLabelsIgnoreTheFontScale) {
    dir_.settings.edition = Edition::FourHead;
    EXPECT_EQ(Draw("A", Style(0.285, 0.375, 0, 1, 200)), (std::vector<Polyline>{{{1000, 1000}, {1000, 1150}}}));
}

struct OriginCase {
    std::int32_t origin;
    std::int32_t dx, dy;   // R - P, rounded
};

class LabelOriginTest : public LabelDrawerTest, public ::testing::WithParamInterface<OriginCase> {};

// W = 0.25 cm = 100, H = 150, a line of two bytes is L = 200 long.  'A' starts
// at R moved down by H, so R = first point + (0, 150).
TEST_P(LabelOriginTest, PenPositionIsTheNamedPointOfTheLineBox) {
    const OriginCase& c = GetParam();
    const auto strokes = Draw("AA", Style(0.25, 0.375, 0, c.origin), 10000, 10000);
    ASSERT_FALSE(strokes.empty());
    EXPECT_EQ(strokes[0].front(), (Point{10000 + c.dx, 10000 + c.dy - 150})) << "LO" << c.origin;
}

INSTANTIATE_TEST_SUITE_P(
    Origins, LabelOriginTest,
    ::testing::Values(OriginCase{1, 0, 150}, OriginCase{2, 0, 75}, OriginCase{3, 0, 0}, OriginCase{4, -100, 150},
                      OriginCase{5, -100, 75}, OriginCase{6, -100, 0}, OriginCase{7, -200, 150},
                      OriginCase{8, -200, 75}, OriginCase{9, -200, 0}, OriginCase{11, 25, 188},
                      OriginCase{12, 25, 75}, OriginCase{13, 25, -37}, OriginCase{14, -100, 188},
                      OriginCase{15, -100, 75}, OriginCase{16, -100, -37}, OriginCase{17, -225, 188},
                      OriginCase{18, -225, 75}, OriginCase{19, -225, -37},
                      // codes the reader never passes fall back to 1
                      OriginCase{10, 0, 150}, OriginCase{0, 0, 150}, OriginCase{20, 0, 150}),
    [](const ::testing::TestParamInfo<OriginCase>& info) { return "LO" + std::to_string(info.param.origin); });

TEST_F(LabelDrawerTest, DirectionTurnsTheWholeLineAboutThePen) {
    // DI0,1: along = +y, up = -x.  LO1 puts R at (850, 1000); the bar of 'A'
    // runs from the baseline point (1000, 1000) "up" to (850, 1000), and 'L'
    // runs along the line direction.
    const auto strokes = Draw("AL", Style(0.285, 0.375, 90));
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0], (Polyline{{1000, 1000}, {850, 1000}}));
    EXPECT_EQ(strokes[1], (Polyline{{1000, 1104}, {1000, 1162}}));   // 288 and 448 design units along
}

TEST_F(LabelDrawerTest, Gb2312PairDrawsOneGlyphAdvancingOneEm) {
    const auto strokes = Draw("\xB0\xA1"
                              "A");
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0], (Polyline{{1000, 1000}, {1150, 1000}}));   // 416 design units = H
    EXPECT_EQ(strokes[1], (Polyline{{1150, 1000}, {1150, 1150}}));
}

TEST_F(LabelDrawerTest, FullWidthSpaceAdvancesOneEmAndDrawsNothing) {
    EXPECT_EQ(Draw("\xA1\xA1"
                   "A"),
              (std::vector<Polyline>{{{1150, 1000}, {1150, 1150}}}));
}

TEST_F(LabelDrawerTest, CharactersWithoutGlyphsTakeUpSpace) {
    // 'Z' is not in the font: the space's advance, 20 x 16 = 320 design units.
    EXPECT_EQ(Draw("ZA"), (std::vector<Polyline>{{{1115, 1000}, {1115, 1150}}}));
    // An unknown pair (a lead byte before an ASCII byte) takes both bytes and
    // a Chinese advance.
    EXPECT_EQ(Draw("\xB0"
                   "AA"),
              (std::vector<Polyline>{{{1150, 1000}, {1150, 1150}}}));
}

TEST_F(LabelDrawerTest, TrailingLeadByteIsASingleMissingCharacter) {
    EXPECT_EQ(Draw("A\xB0"), (std::vector<Polyline>{{{1000, 1000}, {1000, 1150}}}));
    EXPECT_TRUE(Draw("\xB0").empty());
}

TEST_F(LabelDrawerTest, ZeroSizeOrEmptyLabelsDrawNothing) {
    EXPECT_TRUE(Draw("AL", Style(0.285, 0)).empty());
    EXPECT_TRUE(Draw("").empty());
    EXPECT_TRUE(Draw("AL", Style(1e300, 1e300)).size() <= 2);   // saturates, never wraps
}

TEST_F(LabelDrawerTest, NegativeHeightMirrorsTheLabel) {
    // SI with a negative height flips the glyphs below the pen.
    EXPECT_EQ(Draw("A", Style(0.285, -0.375)), (std::vector<Polyline>{{{1000, 1000}, {1000, 850}}}));
}

}  // namespace
}  // namespace pv
