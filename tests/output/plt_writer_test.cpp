#include "output/plt_writer.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

CCurve Curve(std::int32_t kind, std::int32_t lineType, std::vector<Point> points) {
    CCurve c;
    c.kind = kind;
    c.lineType = lineType;
    c.points = std::move(points);
    return c;
}

COnePage Page(std::vector<CCurve> curves) {
    COnePage page;
    page.curves = std::move(curves);
    return page;
}

using test::ReadAll;

TEST(PltWriter, WritesPensLineTypesAndPointsInListOrder) {
    struct Case {
        const char* what;
        std::vector<CCurve> curves;
        const char* text;
    };
    const std::vector<Case> cases{
        {"empty page", {}, "PG;"},
        {"drawn and dashed cut",
         {Curve(1, 0, {{0, 0}, {400, 0}}), Curve(2, 1, {{0, 40}, {400, 40}})},
         "SP1;PU0,0;PD0,0,400,0,;LT1;SP2;PU0,40;PD0,40,400,40,;PG;"},
        {"single point twice", {Curve(2, 0, {{7, -9}})}, "SP2;PU7,-9;PD7,-9,;PG;"},
        {"same pen shared, line type back to solid",
         {Curve(2, 1, {{1, 1}, {2, 2}}), Curve(2, 1, {{3, 3}, {4, 4}}), Curve(2, 0, {{5, 5}, {6, 6}})},
         "LT1;SP2;PU1,1;PD1,1,2,2,;PU3,3;PD3,3,4,4,;LT0;PU5,5;PD5,5,6,6,;PG;"},
        {"prepared kinds go to their own pens",
         {Curve(3, 0, {{0, 0}, {1, 0}}), Curve(5, 0, {{2, 0}, {3, 0}}), Curve(1, 0, {{4, 0}, {5, 0}})},
         "SP3;PU0,0;PD0,0,1,0,;SP5;PU2,0;PD2,0,3,0,;SP1;PU4,0;PD4,0,5,0,;PG;"},
        {"curve without points still selects its pen", {Curve(2, 0, {}), Curve(1, 0, {{0, 0}, {1, 1}})},
         "SP2;SP1;PU0,0;PD0,0,1,1,;PG;"},
        {"extreme coordinates", {Curve(1, 0, {{-2147483647 - 1, 2147483647}})},
         "SP1;PU-2147483648,2147483647;PD-2147483648,2147483647,;PG;"},
    };
    for (const Case& c : cases) EXPECT_EQ(PltText(Page(c.curves)), c.text) << c.what;
}

TEST(PltWriter, WritesTheFileAndReplacesAnOlderOne) {
    const test::ScratchDir scratch("plt");
    const fs::path& dir = scratch.Path();
    const fs::path out = dir / "job.plt";
    std::ofstream(out) << "older and much longer contents than the new file";
    COnePage page = Page({Curve(1, 0, {{0, 0}, {400, 0}})});
    ASSERT_TRUE(WritePlt(page, out.string()));
    EXPECT_EQ(ReadAll(out), "SP1;PU0,0;PD0,0,400,0,;PG;");
}

TEST(PltWriter, AFileThatCannotBeWrittenIsReportedAndChangesNothing) {
    const test::ScratchDir scratch("plt");
    const fs::path& dir = scratch.Path();
    fs::create_directories(dir / "taken.plt");   // a folder where the file should go
    COnePage page = Page({Curve(2, 1, {{5, 6}, {7, 8}})});
    const std::string before = PltText(page);
    std::string error;
    EXPECT_FALSE(WritePlt(page, (dir / "taken.plt").string(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WritePlt(page, (dir / "missing" / "x.plt").string()));
    EXPECT_EQ(PltText(page), before);
    EXPECT_TRUE(fs::is_directory(dir / "taken.plt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace pv
