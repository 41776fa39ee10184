// Labels read from plot text with the shipped fonts: where the letters and
// the hanzi of a label stand, and the four-head machine's fixed label size.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "import/hpgl_file.h"
#include "label_test_util.h"

namespace pv {
namespace {

using namespace label_test;

struct Extent {
    std::int32_t minX = INT32_MAX, maxX = INT32_MIN, minY = INT32_MAX, maxY = INT32_MIN;
    int strokes = 0;
};

class LabelReaderTest : public ::testing::Test {
protected:
    Extent Read(const std::string& text) {
        CHpglFile file(dir_.settings, [this](const std::string& m) { messages_.push_back(m); });
        EXPECT_EQ(file.ReadStream(text), 0);
        Extent e;
        for (const Polyline& line : Strokes(file.commands)) {
            ++e.strokes;
            for (auto [x, y] : line) {
                e.minX = std::min(e.minX, x), e.maxX = std::max(e.maxX, x);
                e.minY = std::min(e.minY, y), e.maxY = std::max(e.maxY, y);
            }
        }
        return e;
    }

    ProgramDir dir_;
    std::vector<std::string> messages_;
};

TEST_F(LabelReaderTest, CapitalStandsOnThePenWithTheDefaultSize) {
    // H = 150, R = (1000, 1150): the feet of 'A' on y = 1000, its apex at
    // 21/26 of the height, 1000 + 336 x 150/416 = 1121.
    const Extent a = Read("SI0.285,0.375;DI1,0;LO1;PU1000,1000;LBA\x03");
    EXPECT_EQ(a.minY, 1000);
    EXPECT_EQ(a.maxY, 1121);
    EXPECT_GE(a.minX, 1000);
    EXPECT_LE(a.maxX, 1000 + 18 * 16 * 150 / 416 + 1);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(LabelReaderTest, HanziFillsOneSquareCellInsideItsBox) {
    // 啊 (0xB0A1): one em wide and high, drawn inside (1000..1150)^2 without
    // touching the cell's edges.
    const Extent h = Read("PU1000,1000;LB\xB0\xA1\x03");
    EXPECT_GE(h.strokes, 5);
    EXPECT_GT(h.minX, 1000);
    EXPECT_LT(h.maxX, 1150);
    EXPECT_GT(h.minY, 1000);
    EXPECT_LT(h.maxY, 1150);
}

TEST_F(LabelReaderTest, FontScaleAppliesOnTheTwoHeadMachineOnly) {
    dir_.settings.PltFontScale = 200;
    EXPECT_EQ(Read("PU1000,1000;LBA\x03").maxY, 1242);
    dir_.settings.edition = Edition::FourHead;
    EXPECT_EQ(Read("PU1000,1000;LBA\x03").maxY, 1121);
}

}  // namespace
}  // namespace pv
