// Finding the two font files: the built-in copies written when a file is
// missing, the messages when a font cannot be opened, fonts read afresh at
// every load, and damaged font files that must not bring the reader down.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "import/embedded_fonts.h"
#include "import/label_drawer.h"
#include "label_test_util.h"

namespace pv {
namespace {

using namespace label_test;

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LabelFontLoadingTest : public ::testing::Test {
protected:
    std::vector<Polyline> Draw(const std::string& text) {
        PlotCommandList out;
        drawer_.DrawLine(1000, 1000, reinterpret_cast<const std::uint8_t*>(text.data()),
                         static_cast<int>(text.size()), LabelStyle{}, out);
        return Strokes(out);
    }

    ProgramDir dir_;
    std::vector<std::string> messages_;
    LabelDrawer drawer_{dir_.settings, [this](const std::string& m) { messages_.push_back(m); }};
};

TEST_F(LabelFontLoadingTest, MissingFilesAreWrittenFromTheBuiltInCopies) {
    drawer_.LoadFonts();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ReadAll(dir_.settings.EnFontPath), ReadAll(PV_SOURCE_DIR "/resources/fonts/fon_en.bin"));
    EXPECT_EQ(ReadAll(dir_.settings.HzFontPath), ReadAll(PV_SOURCE_DIR "/resources/fonts/fon_hz.bin"));
    EXPECT_FALSE(fs::exists(dir_.settings.EnFontPath + ".part"));
    EXPECT_EQ(drawer_.EnFont().Glyphs().size(), 95u);
    EXPECT_FALSE(Draw("A\xB0\xA1").empty());
}

TEST_F(LabelFontLoadingTest, ExistingFilesAreKeptAndUsed) {
    const Bytes mine = LatinFont({{0x20, {{0}, 20}}, {'A', {{9, 0, 26, 0, 0, 0}, 18}}});
    dir_.Write(dir_.settings.EnFontPath, mine);
    drawer_.LoadFonts();
    EXPECT_EQ(ReadAll(dir_.settings.EnFontPath), mine);
    EXPECT_EQ(Draw("A"), (std::vector<Polyline>{{{1000, 1000}, {1000, 1150}}}));
}

TEST_F(LabelFontLoadingTest, UnopenableFontsAreReportedChineseFirstAndLabelsDrawNothing) {
    dir_.settings.HzFontPath = (dir_.Path() / "no such folder" / "fon_hz.bin").string();
    dir_.settings.EnFontPath = (dir_.Path() / "no such folder" / "fon_en.bin").string();
    drawer_.LoadFonts();
    EXPECT_EQ(messages_, (std::vector<std::string>{"Failed to open fon_hz.bin", "Failed to open fon_en.bin"}));
    EXPECT_TRUE(Draw("AB\xB0\xA1 z\xC4").empty());
}

TEST_F(LabelFontLoadingTest, FontsAreReadAgainAtEveryLoad) {
    dir_.Write(dir_.settings.EnFontPath, LatinFont({{0x20, {{0}, 20}}, {'A', {{9, 0, 26, 0, 0, 0}, 18}}}));
    drawer_.LoadFonts();
    EXPECT_EQ(Draw("A"), (std::vector<Polyline>{{{1000, 1000}, {1000, 1150}}}));
    dir_.Write(dir_.settings.EnFontPath, LatinFont({{0x20, {{0}, 20}}, {'A', {{9, 26, 0, 0, 0, 0}, 18}}}));
    drawer_.LoadFonts();
    EXPECT_EQ(Draw("A"), (std::vector<Polyline>{{{1000, 1000}, {1150, 1000}}}));
}

// Every read of a file starts a label drawer: an unchanged font file is not
// copied and indexed again for each (a 560 KB Chinese font made small files
// slow to read), while a changed one still is (the test above).
TEST_F(LabelFontLoadingTest, ReadersOfAnUnchangedFontShareOneIndex) {
    drawer_.LoadFonts();
    LabelDrawer second(dir_.settings, nullptr);
    second.LoadFonts();
    EXPECT_GT(second.HzFont().Glyphs().size(), 1000u);
    EXPECT_EQ(&second.HzFont().Glyphs(), &drawer_.HzFont().Glyphs());
    EXPECT_EQ(&second.EnFont().Glyphs(), &drawer_.EnFont().Glyphs());
}

TEST_F(LabelFontLoadingTest, AFontThatCannotBeOpenedKeepsWhatWasLoaded) {
    dir_.Write(dir_.settings.EnFontPath, LatinFont({{0x20, {{0}, 20}}, {'A', {{9, 0, 26, 0, 0, 0}, 18}}}));
    drawer_.LoadFonts();
    dir_.settings.EnFontPath = (dir_.Path() / "gone" / "fon_en.bin").string();
    drawer_.LoadFonts();
    EXPECT_EQ(messages_, (std::vector<std::string>{"Failed to open fon_en.bin"}));
    EXPECT_EQ(Draw("A"), (std::vector<Polyline>{{{1000, 1000}, {1000, 1150}}}));
}

TEST_F(LabelFontLoadingTest, DamagedFontFilesDrawWhatTheyHoldAndNoMore) {
    // The index promises 1000 records, holds three; 'B' points past the end
    // of the file; 'A' is fine.
    Bytes latin = LatinFont({{0x20, {{0}, 20}}, {'A', {{9, 0, 26, 0, 0, 0}, 18}}, {'B', {{0x10, 0x10, 0}, 18}}});
    latin[6] = 0xE8;
    latin[7] = 0x03;
    latin[10 + 2 * 10 + 6] = 0xF0;   // 'B' offset low byte
    latin[10 + 2 * 10 + 9] = 0x7F;   // 'B' offset high byte
    dir_.Write(dir_.settings.EnFontPath, latin);
    // A Chinese file shorter than its header.
    dir_.Write(dir_.settings.HzFontPath, Bytes{16, 0, 16});
    drawer_.LoadFonts();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(Draw("BA\xB0\xA1"), (std::vector<Polyline>{{{1104, 1000}, {1104, 1150}}}));
}

TEST_F(LabelFontLoadingTest, AnIndexOutOfOrderStillFindsEveryCharacter) {
    Bytes latin = LatinFont({{0x20, {{0}, 20}}, {'A', {{9, 0, 26, 0, 0, 0}, 18}}, {'L', {{9, 10, 0, 0, 0, 0}, 12}}});
    // Swap the codes of the 'A' and 'L' records (and so their glyphs).
    std::swap(latin[10 + 10], latin[10 + 20]);
    dir_.Write(dir_.settings.EnFontPath, latin);
    drawer_.LoadFonts();
    const auto strokes = Draw("LA");
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0], (Polyline{{1000, 1000}, {1000, 1150}}));   // 'L' now has the bar up
}

}  // namespace
}  // namespace pv
