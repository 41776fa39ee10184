// Damaged and hostile DXF files: read as far as they go, never crash.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "dxf_test_util.h"
#include "import/dxf_converter.h"
#include "import/dxf_job_reader.h"
#include "import/job_reader.h"

namespace pv {
namespace {

using Pts = std::vector<Point>;

std::string Hostile(const std::string& name) { return std::string(PV_TEST_DATA_DIR) + "/dxf/hostile/" + name; }

COnePage ReadJob(const std::string& path) {
    test::TempDir dir;
    COnePage page;
    page.filePath = path;
    EXPECT_EQ(ReadDxfJob(page, test::SettingsIn(dir)), kDxfJobOk);
    return page;
}

TEST(DxfHostile, AFileEndingInsideAVertexFailsTheReadAndMakesNoJob) {
    test::TempDir dir;
    COnePage page;
    page.filePath = Hostile("truncated_polyline.dxf");
    EXPECT_EQ(ReadDxfJob(page, test::SettingsIn(dir)), kDxfJobCannotRead);
    EXPECT_TRUE(page.curves.empty());
    ReadJobResult job = ReadJobFile(page.filePath, test::SettingsIn(dir), {}, ReadPath::AddCommand);
    EXPECT_NE(job.result, 0);
    EXPECT_EQ(job.page, nullptr);
}

TEST(DxfHostile, MissingBlockAndSectionEndsDoNotSwallowTheNextSection) {
    COnePage page = ReadJob(Hostile("missing_end_markers.dxf"));
    ASSERT_EQ(page.curves.size(), 2u);
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 0}, {0, 4000}}));
    EXPECT_EQ(page.curves[1].points, (Pts{{0, 0}, {4000, 4000}}));
}

TEST(DxfHostile, NumbersBeyondTheRangeSaturateAndArcsKeepWithinOneTurn) {
    COnePage page = ReadJob(Hostile("huge_numbers.dxf"));
    ASSERT_GE(page.curves.size(), 5u);   // then the label strokes of the TEXT
    EXPECT_EQ(page.curves[0].points, (Pts{{INT32_MAX, INT32_MIN}, {INT32_MAX, 0}}));
    EXPECT_EQ(page.curves[1].points.size(), static_cast<std::size_t>(DxfConverter::kMaxCircleSegments + 1));
    EXPECT_EQ(page.curves[2].points.size(), 9u);
    // -10 to 370 degrees: the 20 degrees from -10 to 10 once round.
    EXPECT_EQ(page.curves[4].points.size(), 7u);
    EXPECT_EQ(page.curves[4].points.front(), (Point{393, -69}));
    EXPECT_EQ(page.curves[4].points.back(), (Point{393, 69}));
}

TEST(DxfHostile, EveryFixtureGoesThroughTheWholeJobPathWithRecognition) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    settings.SearchOutline = 1;
    settings.FindTCutFirst = 1;
    settings.FindICutFirst = 1;
    settings.FindUNotch = 1;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(PV_TEST_DATA_DIR) + "/dxf/hostile")) {
        SCOPED_TRACE(entry.path().filename().string());
        for (Edition edition : {Edition::TwoHead, Edition::FourHead}) {
            settings.edition = edition;
            ReadJobResult r = ReadJobFile(entry.path().string(), settings, {}, ReadPath::AddCommand);
            if (r.page == nullptr) continue;
            for (const CCurve& c : r.page->curves) EXPECT_GE(c.points.size(), 2u);
        }
    }
}

}  // namespace
}  // namespace pv
