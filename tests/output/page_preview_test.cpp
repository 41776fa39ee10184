#include "output/page_preview.h"

#include <limits>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"

namespace pv {
namespace {

CCurve Curve(std::int32_t kind, std::int32_t role, std::vector<Point> points = {}) {
    CCurve c;
    c.kind = kind;
    c.role = role;
    c.points = std::move(points);
    return c;
}

TEST(PagePreview, ColoursFollowTheKindAndTheTriedRoleOfDrawnLines) {
    struct Case {
        std::int32_t kind, role;
        Rgb colour;
    };
    for (const Case& c : {Case{1, 0, {255, 255, 255}}, Case{1, 1, {250, 0, 250}}, Case{1, 2, {255, 255, 255}},
                          Case{2, 0, {255, 0, 0}}, Case{2, 1, {255, 0, 0}}, Case{3, 0, {255, 255, 0}},
                          Case{4, 0, {0, 255, 0}}, Case{5, 0, {0, 255, 255}}})
        EXPECT_EQ(CurveColour(Curve(c.kind, c.role)), c.colour) << c.kind << "/" << c.role;
}

// Every point of the page, and the paper, lands inside the picture, however
// far out the coordinates lie.
TEST(PagePreview, LayoutKeepsEveryPointInsideThePicture) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::vector<Point> points;
        std::int32_t paperLenMm;
        int width;
    };
    for (const Case& c : {Case{{{0, 0}, {400, 400}}, 2000, 1200}, Case{{{-4000, -800}, {12000, 90000}}, 2000, 300},
                          Case{{{kMin, kMin}, {kMax, kMax}}, kMax, 8192}, Case{{{5, 5}}, -100, 10},
                          Case{{{kMax, 0}}, 120, 100000}}) {
        COnePage page;
        page.curves.push_back(Curve(2, 0, c.points));
        PreviewOptions options;
        options.paperLenMm = c.paperLenMm;
        options.widthPx = c.width;
        const PreviewLayout l = LayoutPreview(page, options);
        ASSERT_GE(l.width, 64);
        ASSERT_LE(l.width, 8192);
        ASSERT_GE(l.height, 64);
        ASSERT_LE(l.height, 8192);
        for (const Point& p : c.points) {
            EXPECT_GE(l.view.PixelX(p.x), 0);
            EXPECT_LT(l.view.PixelX(p.x), l.width);
            EXPECT_GE(l.view.PixelY(p.y), 0);
            EXPECT_LT(l.view.PixelY(p.y), l.height);
        }
        EXPECT_GE(l.view.PixelY(40.0 * std::max(c.paperLenMm, 0)), 0);
    }
}

TEST(PagePreview, AnEmptyPageStillMakesAPicture) {
    const test::ScratchDir scratch("preview");
    const std::string path = scratch.File("empty.png");
    ASSERT_TRUE(WritePagePreviewPng(COnePage{}, PreviewOptions{}, path));
    EXPECT_EQ(test::ReadAll(path).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

}  // namespace
}  // namespace pv
