#include "geometry/post_read.h"

#include <gtest/gtest.h>

#include "curve_builders.h"
#include "settings/app_settings.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::PointsOf;
using Pts = std::vector<Point>;

AppSettings Settings(Edition edition = Edition::TwoHead) {
    AppSettings s;
    s.edition = edition;
    s.SearchOutline = 0;
    s.FindUNotch = 0;
    return s;
}

// Two strokes whose ends are 5 units apart (joined only by the second, 9
// unit join), lying away from the origin, plus a duplicate point to tidy.
COnePage ReadPage() {
    COnePage page;
    page.curves.push_back(MakeCurve({{1000, 500}, {1000, 500}, {2000, 500}}));
    page.curves.push_back(MakeCurve({{2005, 505}, {3000, 900}}));
    page.jobState = kJobFinished;
    page.startPosMm = 12;
    return page;
}

TEST(PostReadTest, AddedPageIsTidiedMovedJoinedAndWaiting) {
    COnePage page = ReadPage();
    RunPostReadSequence(page, Settings(), {});
    // X moves to 0 whatever its side; Y only when negative.
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 500}, {1000, 500}, {2000, 900}}}));
    EXPECT_EQ(page.jobState, kJobWaiting);
    EXPECT_EQ(page.startPosMm, 0);
}

TEST(PostReadTest, PlotOnlyAndFirstShownSkipTheJoins) {
    AppSettings plotOnly = Settings();
    plotOnly.PlotOnly = 1;
    COnePage page = ReadPage();
    RunPostReadSequence(page, plotOnly, {});
    EXPECT_EQ(page.curves.size(), 2u);

    // Read when first shown: no joins, and only a negative side moves.
    page = ReadPage();
    RunPostReadSequence(page, Settings(), {ReadPath::FirstShown});
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{1000, 500}, {2000, 500}}, {{2005, 505}, {3000, 900}}}));
    page = ReadPage();
    page.curves[0].points[0].y = -100;
    RunPostReadSequence(page, Settings(), {ReadPath::FirstShown});
    EXPECT_EQ(page.curves[0].points.front(), (Point{0, 0}));
}

TEST(PostReadTest, ScalesByThePltUnit) {
    struct Case {
        std::int32_t unit;
        Point end;
    };
    for (const Case k : {Case{0, {1000, 2000}}, Case{1, {1016, 2032}}, Case{2, {500, 6000}}, Case{3, {400, 800}}, Case{7, {1000, 2000}}}) {
        AppSettings s = Settings();
        s.PltFileUnit = k.unit;
        COnePage page;
        page.curves.push_back(MakeCurve({{0, 0}, {1000, 2000}}));
        RunPostReadSequence(page, s, {ReadPath::AddCommand, 0.5, 3.0});
        EXPECT_EQ(page.curves[0].points.back(), k.end) << "unit " << k.unit;
    }
}

// A drawing 3000 units across the paper (75 mm) on 50 mm paper, 1000 long.
COnePage WidePage() {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {1000, 3000}}));
    return page;
}

struct FitCase {
    const char* name;
    Edition edition;
    std::int32_t splitEn, autoRotate, autoMirror;
    std::vector<Pts> out;
    friend void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }
};

class FitToPaperTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitToPaperTest, Fits) {
    const FitCase& k = GetParam();
    AppSettings s = Settings(k.edition);
    s.PaperLenMm = 50;
    s.SplitEn = k.splitEn;
    s.AutoRotate = k.autoRotate;
    s.AutoMirror = k.autoMirror;
    COnePage page = WidePage();
    RunPostReadSequence(page, s, {});
    EXPECT_EQ(PointsOf(page), k.out);
}

const std::vector<Pts> kUntouched{{{0, 0}, {1000, 3000}}};
const std::vector<Pts> kMirrored{{{0, 3000}, {1000, 0}}};
const std::vector<Pts> kRotated{{{3000, 0}, {0, 1000}}};
// Not rotated: strips of 2000 units, the second one 1000 + 1200 along.
const std::vector<Pts> kPaged{{{0, 0}, {666, 2000}}, {{2866, 0}, {3200, 1000}}};

INSTANTIATE_TEST_SUITE_P(
    Cases, FitToPaperTest,
    ::testing::Values(FitCase{"two_head_paging_off", Edition::TwoHead, 0, 1, 0, kUntouched},
                      FitCase{"two_head_rotates", Edition::TwoHead, 1, 1, 0, kRotated},
                      FitCase{"two_head_pages", Edition::TwoHead, 1, 0, 0, kPaged},
                      FitCase{"two_head_mirrors", Edition::TwoHead, 0, 1, 1, kMirrored},
                      FitCase{"four_head_pages_without_split", Edition::FourHead, 0, 0, 0, kPaged},
                      FitCase{"four_head_rotates_without_split", Edition::FourHead, 0, 1, 0, kRotated},
                      FitCase{"four_head_never_mirrors", Edition::FourHead, 0, 1, 1, kRotated}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PostReadTest, PaperWidthOfZeroPagesNothing) {
    AppSettings s = Settings(Edition::FourHead);
    s.PaperLenMm = 0;
    COnePage page = WidePage();
    RunPostReadSequence(page, s, {});
    EXPECT_EQ(PointsOf(page), kUntouched);
}

TEST(PostReadTest, DxfPageJoinsTouchingAndNearEvenWhenOnlyPlotting) {
    AppSettings s = Settings();
    s.PlotOnly = 1;
    COnePage page;
    page.curves.push_back(MakeCurve({{100, -10}, {200, -10}}));
    page.curves.push_back(MakeCurve({{200, -10}, {200, 100}}));
    page.curves.push_back(MakeCurve({{205, 104}, {400, 100}}));
    page.startPosMm = 3;
    RunDxfPostReadSequence(page, s);
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {100, 0}, {100, 110}, {300, 110}}}));
    EXPECT_EQ(page.startPosMm, 0);

    COnePage empty;
    RunDxfPostReadSequence(empty, s);
    EXPECT_TRUE(empty.curves.empty());
}

}  // namespace
}  // namespace pv
