// PLT unit factors and their effect on a page read through the add-file path.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "import/job_reader.h"
#include "import/plt_unit.h"
#include "settings/app_settings.h"
#include "program_dir_test.h"

namespace fs = std::filesystem;

namespace pv {
namespace {

TEST(PltUnit, FactorsPerSetting) {
    struct Case {
        std::int32_t unit;
        Edition edition;
        PltScale expected;
    };
    const std::vector<Case> cases = {
        {0, Edition::TwoHead, {1.0, 1.0, false}},
        {1, Edition::TwoHead, {1.016, 1.016, true}},
        {2, Edition::TwoHead, {1.5, 0.5, true}},
        {3, Edition::TwoHead, {0.4, 0.4, true}},
        {2, Edition::FourHead, {1.0, 1.0, false}},
        {3, Edition::FourHead, {0.4, 0.4, true}},
        {7, Edition::TwoHead, {1.0, 1.0, false}},
        {-1, Edition::TwoHead, {1.0, 1.0, false}},
    };
    for (const Case& c : cases) {
        const PltScale s = PltUnitScale(c.unit, c.edition, 1.5, 0.5);
        EXPECT_EQ(s.sx, c.expected.sx) << c.unit;
        EXPECT_EQ(s.sy, c.expected.sy) << c.unit;
        EXPECT_EQ(s.scales, c.expected.scales) << c.unit;
    }
}

class JobReadTest : public import_test::ProgramDirTest {
protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        settings_.PlotOnly = 1;   // no joining, so curves come out as read
    }

    std::vector<std::string> messages_;
    MessageSink sink_ = [this](const std::string& m) { messages_.push_back(m); };
};

// A line 1000 file units long, in each unit, in plotter units afterwards.
TEST_F(JobReadTest, PageScaledByUnit) {
    struct Case {
        std::string text;
        std::int32_t unit;
        Edition edition;
        Point end;
    };
    const std::string sc = "IP0,0,10160,10160;SC0,10000,0,10000;";
    const std::vector<Case> cases = {
        {"IN;PU0,0;PD1000,0;", 0, Edition::TwoHead, {1000, 0}},
        {"IN;PU0,0;PD1000,0;", 1, Edition::TwoHead, {1016, 0}},
        {"IN;PU0,0;PD1000,0;", 3, Edition::TwoHead, {400, 0}},
        {"IN;PU0,0;PD1000,0;", 2, Edition::TwoHead, {1000, 0}},
        {"IN;" + sc + "PU0,0;PD1000,500;", 2, Edition::TwoHead, {1016, 508}},
        {"IN;" + sc + "PU0,0;PD1000,500;", 0, Edition::TwoHead, {1000, 500}},
        {"IN;" + sc + "PU0,0;PD1000,500;", 2, Edition::FourHead, {1000, 500}},
        {"IN;" + sc + "PU0,0;PD1000,500;", 1, Edition::FourHead, {1016, 508}},
    };
    for (const Case& c : cases) {
        settings_.PltFileUnit = c.unit;
        settings_.edition = c.edition;
        const ReadJobResult r = ReadJobFile(Write("unit.plt", c.text), settings_, sink_, ReadPath::AddCommand);
        ASSERT_EQ(r.result, 0) << c.text;
        ASSERT_TRUE(r.page) << c.text;
        ASSERT_EQ(r.page->curves.size(), 1u) << c.text;
        EXPECT_EQ(r.page->curves[0].points.back(), c.end) << c.text << " unit " << c.unit;
        EXPECT_EQ(r.page->fileName, "unit.plt");
    }
}

TEST_F(JobReadTest, FailuresAndEmptyFilesGiveNoPage) {
    struct Case {
        const char* what;
        std::string path;
        int result;
    };
    const std::vector<Case> cases = {
        {"missing", (dir_ / "none.plt").string(), 1},
        {"too short", Write("short.plt", "PD1,"), -2},
        {"DF with a number", Write("df.plt", "IN;DF2;PD1,1;"), -3},
        {"only pen moves", Write("moves.plt", "IN;SP1;PU10,10;PU20,20;"), 0},
        {"only single points", Write("dots.plt", "IN;PU5,5;PD5,5;PU9,9;PD9,9;"), 0},
    };
    for (const Case& c : cases) {
        const ReadJobResult r = ReadJobFile(c.path, settings_, sink_, ReadPath::AddCommand);
        EXPECT_EQ(r.result, c.result) << c.what;
        EXPECT_FALSE(r.page) << c.what;
    }
}

TEST_F(JobReadTest, DxfNamesTakeTheDxfPath) {
    const std::vector<std::pair<std::string, bool>> names = {
        {"/jobs/shirt.dxf", true}, {"C:\\jobs\\SHIRT.DXF", true}, {"ab.Dxf", true}, {"abcDXF", true},
        {"a.dxf", false},  // not longer than 5 characters
        {"/long/dir.dxf/a.plt", false}, {"shirt.dxf.plt", false}, {"shirt.plt", false},
    };
    for (const auto& [name, dxf] : names) EXPECT_EQ(IsDxfPath(name), dxf) << name;

    // HPGL text in a file named as DXF is not read as HPGL: no curves.
    const ReadJobResult r =
        ReadJobFile(Write("piece.dxf", "IN;PU0,0;PD10,0;"), settings_, sink_, ReadPath::AddCommand);
    EXPECT_FALSE(r.page);
}

}  // namespace
}  // namespace pv
