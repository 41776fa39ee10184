// Text labels added in the drawing view: read with the stroke fonts and
// scaled about the insertion point.
#include <gtest/gtest.h>

#include <cmath>

#include "import/text_label.h"
#include "program_dir_test.h"

namespace pv {
namespace {

using import_test::ProgramDirTest;

class TextLabelTest : public ProgramDirTest {
protected:
    COnePage Label(const CTextProp& prop) {
        COnePage page;
        page.curves.push_back(CCurve{});   // an existing curve stays first
        page.curves[0].points = {{0, 0}, {1, 1}};
        added_ = AddTextLabel(page, prop, settings_, [this](const std::string& m) { messages_.push_back(m); });
        return page;
    }
    std::int32_t added_ = 0;
    std::vector<std::string> messages_;
};

TEST(TextLabelHpgl, WritesPositionDirectionAndText) {
    CTextProp p;
    p.x = 12.5;
    p.y = 3;
    p.angle = 90;
    p.text = "AB";
    EXPECT_EQ(TextLabelHpgl(p), "IN;PU500.000000,120.000000;DI0.000,10.000;LBAB");
}

TEST_F(TextLabelTest, SizeNineIsTenTimesSizeZeroAboutTheInsertionPoint) {
    CTextProp p;
    p.text = "A";
    p.x = 100;   // (4000, 2000) units
    p.y = 50;
    p.size = 0;
    const COnePage small = Label(p);
    ASSERT_GT(added_, 0);
    EXPECT_EQ(static_cast<std::int32_t>(small.curves.size()), added_ + 1);
    p.size = 9;
    const COnePage large = Label(p);
    ASSERT_EQ(large.curves.size(), small.curves.size());

    double extent = 0;
    for (std::size_t i = 1; i < small.curves.size(); ++i) {
        const CCurve& a = small.curves[i];
        const CCurve& b = large.curves[i];
        EXPECT_EQ(a.kind, kDrawn);
        EXPECT_GE(a.points.size(), 2u);
        ASSERT_EQ(a.points.size(), b.points.size());
        for (std::size_t k = 0; k < a.points.size(); ++k) {
            EXPECT_EQ(b.points[k].x, 4000 + 10 * (a.points[k].x - 4000));
            EXPECT_EQ(b.points[k].y, 2000 + 10 * (a.points[k].y - 2000));
            extent = std::max(extent, std::hypot(a.points[k].x - 4000.0, a.points[k].y - 2000.0));
        }
    }
    // The glyph lies near the insertion point at the font's own size (a few mm).
    EXPECT_GT(extent, 40.0);
    EXPECT_LT(extent, 800.0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TextLabelTest, NothingIsAddedWhenTheTextCannotBeDrawn) {
    CTextProp p;
    p.text = "";
    EXPECT_EQ(Label(p).curves.size(), 1u);
    p.text = "A";
    p.x = std::nan("");
    EXPECT_EQ(Label(p).curves.size(), 1u);
    EXPECT_EQ(added_, 0);
}

TEST_F(TextLabelTest, TheAngleTurnsTheLabel) {
    CTextProp p;
    p.text = "II";
    p.size = 0;
    const COnePage along = Label(p);
    p.angle = 90;
    const COnePage across = Label(p);
    auto span = [](const COnePage& page) {
        std::int32_t mx = 0, my = 0;
        for (std::size_t i = 1; i < page.curves.size(); ++i)
            for (const Point& q : page.curves[i].points) mx = std::max(mx, std::abs(q.x)), my = std::max(my, std::abs(q.y));
        return std::pair{mx, my};
    };
    // Two letters side by side: wider along the writing direction.
    const auto [ax, ay] = span(along);
    const auto [cx, cy] = span(across);
    EXPECT_GT(ax, 0);
    EXPECT_NEAR(ax, cy, 2);
    EXPECT_NEAR(ay, cx, 2);
}

}  // namespace
}  // namespace pv
