#include <gtest/gtest.h>

#include <ctime>

#include "curve_builders.h"
#include "geometry/one_page.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::PointsOf;
using Pts = std::vector<Point>;

TEST(PageTest, NewPageIsOneCopyWaitingStampedNow) {
    const std::int64_t before = std::time(nullptr);
    COnePage page;
    EXPECT_EQ(page.copies, 1);
    EXPECT_EQ(page.jobState, kJobWaiting);
    EXPECT_TRUE(page.curves.empty());
    EXPECT_GE(page.fileTime, before);
    EXPECT_LE(page.fileTime, std::int64_t{std::time(nullptr)});
}

TEST(PageTest, CopyFromAppendsCopiesAndTakesIdentityButNotJobState) {
    COnePage src;
    src.filePath = "C:\\cut\\a.plt";
    src.fileName = "a.plt";
    src.maxX = 10, src.minX = 1, src.maxY = 20, src.minY = 2;
    src.startPosMm = 7;
    src.copies = 5;
    src.jobState = kJobPrinting;
    src.curves.push_back(MakeCurve({{0, 0}, {5, 5}}, kFullCut));
    src.curves.back().isTNotch = 1;
    COnePage dst;
    dst.curves.push_back(MakeCurve({{9, 9}, {8, 8}}));
    dst.CopyFrom(src);
    ASSERT_EQ(dst.curves.size(), 2u);
    EXPECT_EQ(dst.curves[0].points, (Pts{{9, 9}, {8, 8}}));
    EXPECT_EQ(dst.curves[1].points, (Pts{{0, 0}, {5, 5}}));
    EXPECT_EQ(dst.curves[1].kind, kFullCut);
    EXPECT_EQ(dst.curves[1].isTNotch, 0);
    EXPECT_EQ(dst.fileName, "a.plt");
    EXPECT_EQ(dst.filePath, "C:\\cut\\a.plt");
    EXPECT_EQ(dst.startPosMm, 7);
    EXPECT_EQ(dst.maxX, 10);
    EXPECT_EQ(dst.minY, 2);
    EXPECT_EQ(dst.copies, 1);
    EXPECT_EQ(dst.jobState, kJobWaiting);
}

COnePage MixedPage() {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {1, 0}}, kFullCut));
    page.curves.push_back(MakeCurve({{1, 0}, {2, 0}}, kDrawn));
    page.curves.push_back(MakeCurve({{2, 0}, {3, 0}}, kHalfCut));
    page.curves.push_back(MakeCurve({{3, 0}, {4, 0}}, kDrawn));
    return page;
}

TEST(PageTest, SortByKindIsStableEitherWay) {
    COnePage page = MixedPage();
    page.SortByKind(true);
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{1, 0}, {2, 0}}, {{3, 0}, {4, 0}}, {{0, 0}, {1, 0}}, {{2, 0}, {3, 0}}}));
    page = MixedPage();
    page.SortByKind(false);
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {1, 0}}, {{2, 0}, {3, 0}}, {{1, 0}, {2, 0}}, {{3, 0}, {4, 0}}}));
}

TEST(PageTest, KindQueriesAndDeletions) {
    COnePage page = MixedPage();
    EXPECT_TRUE(page.HasBothKinds());
    EXPECT_TRUE(page.HasCutAfterFirst());
    page.DeleteCut();
    EXPECT_EQ(page.curves.size(), 2u);
    EXPECT_FALSE(page.HasBothKinds());
    EXPECT_FALSE(page.HasCutAfterFirst());

    page = MixedPage();
    page.DeletePlot();
    EXPECT_EQ(page.curves.size(), 2u);
    EXPECT_TRUE(page.HasCutAfterFirst());   // the half cut is second now

    COnePage onlyFirstCut;
    onlyFirstCut.curves.push_back(MakeCurve({{0, 0}, {1, 0}}, kFullCut));
    onlyFirstCut.curves.push_back(MakeCurve({{0, 0}, {1, 0}}, kDrawn));
    EXPECT_FALSE(onlyFirstCut.HasCutAfterFirst());
    EXPECT_TRUE(onlyFirstCut.HasBothKinds());

    page = MixedPage();
    page.curves[0].selected = page.curves[3].selected = 1;
    page.DeleteSelected();
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{1, 0}, {2, 0}}, {{2, 0}, {3, 0}}}));

    page = MixedPage();
    page.curves[1].role = kRoleInner;
    page.AllToCut();
    for (const CCurve& c : page.curves) {
        EXPECT_EQ(c.kind, kFullCut);
        EXPECT_EQ(c.role, 0);
    }
    page.AllToPlot();
    for (const CCurve& c : page.curves) EXPECT_EQ(c.kind, kDrawn);
}

TEST(PageTest, ExtentsSkipCurvesWithoutPoints) {
    COnePage page;
    page.curves.push_back(MakeCurve({{100, -5}, {300, 50}}, kDrawn));
    page.curves.push_back(CCurve{});   // no points: no bounds
    page.curves.push_back(MakeCurve({{-20, 10}, {200, 700}}, kFullCut));
    page.CalcBounds();
    EXPECT_EQ(page.minX, -20);
    EXPECT_EQ(page.maxX, 300);
    EXPECT_EQ(page.minY, -5);
    EXPECT_EQ(page.maxY, 700);
    page.CalcPlotExtents();
    page.CalcCutExtents();
    EXPECT_EQ(page.plotMaxX, 300);
    EXPECT_EQ(page.plotMaxY, 50);
    EXPECT_EQ(page.cutMaxX, 200);
    EXPECT_EQ(page.cutMaxY, 700);

    page.CalcSelectionBounds();
    EXPECT_EQ(page.anySelected, 0);
    page.curves[2].selected = 1;
    page.CalcSelectionBounds();
    EXPECT_EQ(page.anySelected, 1);
    EXPECT_EQ(page.selMinX, -20);
    EXPECT_EQ(page.selMaxY, 700);
}

TEST(PageTest, RaiseBySetsMinYToZeroEvenWhenTheCurvesLieHigher) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 100}, {10, 500}}));
    page.CalcBounds();
    page.RaiseBy(400);
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 500}, {10, 900}}));
    EXPECT_EQ(page.maxY, 900);
    EXPECT_EQ(page.minY, 0);
    page.RaiseBy(0);
    EXPECT_EQ(page.maxY, 900);
}

struct OriginCase {
    const char* name;
    Pts pts;
    bool always;   // MoveToOrigin rather than MoveToOriginIfNeeded
    Pts out;
    std::int32_t maxX, maxY, minX, minY;
    friend void PrintTo(const OriginCase& c, std::ostream* os) { *os << c.name; }
};

class OriginTest : public ::testing::TestWithParam<OriginCase> {};

TEST_P(OriginTest, Moves) {
    const OriginCase& k = GetParam();
    COnePage page;
    page.curves.push_back(MakeCurve(k.pts));
    if (k.always) page.MoveToOrigin();
    else page.MoveToOriginIfNeeded();
    EXPECT_EQ(page.curves[0].points, k.out);
    EXPECT_EQ(page.maxX, k.maxX);
    EXPECT_EQ(page.maxY, k.maxY);
    EXPECT_EQ(page.minX, k.minX);
    EXPECT_EQ(page.minY, k.minY);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OriginTest,
    ::testing::Values(
        OriginCase{"x_any_side_y_only_negative", {{100, 50}, {300, 90}}, false, {{0, 50}, {200, 90}}, 200, 90, 0, 50},
        OriginCase{"negative_both", {{-100, -50}, {300, 90}}, false, {{0, 0}, {400, 140}}, 400, 140, 0, 0},
        OriginCase{"always_both", {{100, 50}, {300, 90}}, true, {{0, 0}, {200, 40}}, 200, 40, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageTest, ApplyStartPosMovesTheDrawingTowardNegativeX) {
    COnePage page;
    page.curves.push_back(MakeCurve({{5000, 10}, {6000, 20}}));
    page.maxX = page.plotMaxX = page.cutMaxX = 6000;
    page.startPosMm = 100;
    page.ApplyStartPos();
    EXPECT_EQ(page.curves[0].points, (Pts{{1000, 10}, {2000, 20}}));
    EXPECT_EQ(page.maxX, 2000);
    EXPECT_EQ(page.plotMaxX, 2000);
    EXPECT_EQ(page.cutMaxX, 2000);
}

TEST(PageTest, MirrorAndRotateUseTheLastComputedMaxY) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 100}, {50, 300}}));
    page.MirrorY();   // computes maxY = 300 first
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 200}, {50, 0}}));
    EXPECT_EQ(page.maxY, 300);
    page.Rotate90();   // (x, y) -> (300 - y, x), then fresh bounds
    EXPECT_EQ(page.curves[0].points, (Pts{{100, 0}, {300, 50}}));
    EXPECT_EQ(page.maxX, 300);
    EXPECT_EQ(page.minX, 100);
    EXPECT_EQ(page.maxY, 50);
}

TEST(PageTest, TidyAllRemovesCurvesLeftWithFewerThanTwoPoints) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {0, 0}, {0, 0}}));
    page.curves.push_back(MakeCurve({{0, 0}, {5, 0}, {10, 0}}, kDotGap));
    page.curves.push_back(CCurve{});
    page.curves.push_back(MakeCurve({{7, 7}}));
    page.TidyAll();
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {10, 0}}}));
}

TEST(PageTest, TidyFullCutTouchesOnlyFullCuts) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {5, 0}, {10, 0}}, kDrawn));
    page.curves.push_back(MakeCurve({{0, 0}, {5, 0}, {10, 0}}, kFullCut));
    page.curves.push_back(MakeCurve({{0, 0}, {5, 0}, {10, 0}}, kHalfCut));
    page.TidyFullCut();
    EXPECT_EQ(page.curves[0].points.size(), 3u);
    EXPECT_EQ(page.curves[1].points.size(), 2u);
    EXPECT_EQ(page.curves[2].points.size(), 3u);
}

TEST(PageTest, ExplodeSegmentsReplacesInPlaceAndInOrder) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {10, 0}, {10, 10}}, kFullCut));
    page.curves.back().isTNotch = 1;
    page.curves.back().lineType = 1;
    page.curves.push_back(MakeCurve({{1, 1}}));
    page.curves.push_back(MakeCurve({{5, 5}, {6, 6}}));
    page.curves.back().isINotch = 1;
    page.ExplodeSegments();
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {10, 0}}, {{10, 0}, {10, 10}}, {{5, 5}, {6, 6}}}));
    EXPECT_EQ(page.curves[1].kind, kFullCut);
    EXPECT_EQ(page.curves[1].lineType, 1);
    EXPECT_EQ(page.curves[1].isTNotch, 0);   // copies do not carry the notch flag
    EXPECT_EQ(page.curves[1].minY, 0);
    EXPECT_EQ(page.curves[1].maxY, 10);
    EXPECT_EQ(page.curves[2].isINotch, 1);   // a two-point curve stays itself
}

TEST(PageTest, SplitLongCutSpansLeavesDrawnLines) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {80000, 0}}, kDrawn));
    page.curves.push_back(MakeCurve({{0, 0}, {80000, 0}}, kDot));
    page.SplitLongCutSpans();
    EXPECT_EQ(page.curves[0].points.size(), 2u);
    EXPECT_EQ(page.curves[1].points.size(), 3u);
}

}  // namespace
}  // namespace pv
