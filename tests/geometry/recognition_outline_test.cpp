// Outline recognition: which closed contours become cut outlines, what is
// inside them, and the reading-sequence switches.
#include <gtest/gtest.h>

#include "geometry/recognition.h"
#include "recognition_test_util.h"
#include "settings/app_settings.h"

namespace pv {
namespace {

using rectest::MakeCurve;
using rectest::Mm;
using rectest::Rect;

struct OutlineCase {
    const char* name;
    CCurve curve;
    bool outline;
    std::size_t pointsAfter;
};

TEST(FindOutlines, ClassifiesClosedContoursBySizeAndClosure) {
    const OutlineCase cases[] = {
        {"8 x 50 mm, ends 0.2 mm apart", Rect(0, 0, Mm(8), Mm(50), Mm(0.2)), true, 5},
        {"7.9 mm wide", Rect(0, 0, Mm(7.9), Mm(50), Mm(0.2)), false, 5},
        {"15 x 20 mm is only 300 mm2", Rect(0, 0, Mm(15), Mm(20)), false, 5},
        {"ends 10 units apart", Rect(0, 0, 2000, 2000, 10), false, 5},
        // The last point turns back off the closing corner: dropped.
        {"overshooting end", MakeCurve({{0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}, {0, 5}, {5, 13}}), true, 5},
        // The first point sits just before the closing corner: dropped.
        {"stray start", MakeCurve({{-8, -8}, {0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}, {3, 4}}), true, 5},
        // Start and end overlap 50 units along the same line.
        {"overlapping ends", MakeCurve({{100, 0}, {2000, 0}, {2000, 2000}, {0, 2000}, {0, 0}, {50, 0}}), true, 6},
        {"ends 50 units apart at an angle", MakeCurve({{100, 0}, {2000, 0}, {2000, 2000}, {0, 2000}, {0, 0}, {50, 30}}),
         false, 6},
    };
    AppSettings settings;
    for (const OutlineCase& c : cases) {
        SCOPED_TRACE(c.name);
        COnePage page;
        page.curves.push_back(c.curve);
        FindOutlines(page, settings);
        ASSERT_EQ(page.curves.size(), 1u);
        EXPECT_EQ(page.curves[0].kind, c.outline ? kFullCut : kDrawn);
        EXPECT_EQ(page.curves[0].role, c.outline ? kRoleOutline : kRoleTried);
        EXPECT_EQ(page.curves[0].points.size(), c.pointsAfter);
    }
}

TEST(FindOutlines, JoinsSidesIntoOneOutlineAndDrawsEverythingInside) {
    COnePage page;
    // A piece drawn as four separate cut sides, with ends 5 units apart.
    page.curves.push_back(MakeCurve({{0, 0}, {4000, 0}}, kFullCut));
    page.curves.push_back(MakeCurve({{4005, 5}, {4000, 4000}}, kFullCut));
    page.curves.push_back(MakeCurve({{4000, 4000}, {0, 4000}}, kFullCut));
    page.curves.push_back(MakeCurve({{0, 4000}, {0, 3}}, kFullCut));
    page.curves.push_back(MakeCurve({{1000, 2000}, {3000, 2000}}));              // grain line
    page.curves.push_back(Rect(1000, 1000, 1000, 800));                           // pocket, closed
    page.curves.push_back(MakeCurve({{9000, 0}, {9500, 0}, {9500, 100}}));        // outside
    AppSettings settings;
    FindOutlines(page, settings);
    ASSERT_EQ(page.curves.size(), 4u);
    EXPECT_EQ(page.curves[0].kind, kFullCut);
    EXPECT_EQ(page.curves[0].role, kRoleOutline);
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(page.curves[i].kind, kDrawn) << i;
        EXPECT_EQ(page.curves[i].role, kRoleInner) << i;
    }
    EXPECT_EQ(page.curves[3].role, kRoleTried);
}

TEST(FindOutlines, AnOutlineFoundInsideALaterOneBecomesDrawn) {
    COnePage page;
    page.curves.push_back(Rect(1000, 1000, 1000, 1000));   // inner, listed first
    page.curves.push_back(Rect(0, 0, 4000, 4000));         // outer
    AppSettings settings;
    FindOutlines(page, settings);
    EXPECT_EQ(page.curves[0].role, kRoleInner);
    EXPECT_EQ(page.curves[0].kind, kDrawn);
    EXPECT_EQ(page.curves[1].role, kRoleOutline);
    EXPECT_EQ(page.curves[1].kind, kFullCut);
}

TEST(RecognizeOnRead, RunsOnlyWhenSwitchedOnAndNotBarredByCutLines) {
    struct Case {
        int searchOutline, bar;
        bool withCutLine, expectFound;
    } cases[] = {
        {0, 0, false, false}, {1, 0, false, true}, {1, 1, false, true}, {1, 1, true, false}, {1, 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.searchOutline << c.bar << c.withCutLine);
        AppSettings settings;
        settings.SearchOutline = c.searchOutline;
        settings.DoNotFindOutlineIfSp2Exist = c.bar;
        COnePage page;
        page.curves.push_back(Rect(0, 0, 4000, 4000));
        if (c.withCutLine) page.curves.push_back(MakeCurve({{9000, 0}, {9500, 0}}, kFullCut));
        RecognizeOnRead(page, settings);
        EXPECT_EQ(page.curves[0].role == kRoleOutline, c.expectFound);
    }
}

TEST(FindOutlines, TNotchesFoundFirstAreCutOnlyWithCutNotch) {
    for (int cutNotch : {0, 1}) {
        AppSettings settings;
        settings.FindTCutFirst = 1;
        settings.CutNotch = cutNotch;
        COnePage page;
        // Contour starting with a T notch: bar 240 along -Y, back 120, stem 400 along -X.
        page.curves.push_back(MakeCurve({{0, 120}, {0, -120}, {0, 0}, {-400, 0}, {-400, -3000}, {3000, -3000},
                                         {3000, 3000}, {-400, 3000}, {-400, 4}}));
        FindOutlines(page, settings);
        ASSERT_EQ(page.curves.size(), 2u);
        EXPECT_EQ(page.curves[0].role, kRoleOutline);
        EXPECT_EQ(page.curves[1].isTNotch, 1);
        EXPECT_EQ(page.curves[1].kind, cutNotch ? kFullCut : kDrawn);
    }
}

}  // namespace
}  // namespace pv
