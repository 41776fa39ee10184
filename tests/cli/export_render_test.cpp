#include <cairo.h>

#include <map>
#include <tuple>

#include <gtest/gtest.h>

#include "cli_run.h"

namespace pv::test {
namespace {

using nlohmann::json;

TEST(ExportCommand, WritesThePageAsPltThatReadsBackToTheSameCurves) {
    CliHome home;
    const std::string out = home.Path("square-out.plt");
    const CliRun run = home.Run(PV_CLI_PELVANE, {"export", DataFile("square.plt"), "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Slurp(out), "SP1;PU0,100;PD0,100,400,100,;LT1;SP2;PU0,200;PD0,200,400,200,400,600,0,600,0,200,;PG;");

    const json original = home.Run(PV_CLI_PELVANE, {"read", DataFile("square.plt")}).Json();
    const json again = home.Run(PV_CLI_PELVANE, {"read", out}).Json();
    EXPECT_EQ(again["curves"], original["curves"]);
}

TEST(ExportCommand, AnOutputThatCannotBeWrittenFailsAndLeavesTheOldFile) {
    CliHome home;
    const std::string out = home.Path("keep.plt");
    std::ofstream(out) << "previous";
    std::filesystem::create_directories(home.Path("folder.plt"));
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"export", DataFile("square.plt"), "-o", home.Path("folder.plt")}).status, 3);
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"export", DataFile("missing.plt"), "-o", out}).status, 2);
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"export", DataFile("square.plt")}).status, 1);
    EXPECT_EQ(Slurp(out), "previous");
}

// Pixel counts by colour of a PNG.
std::map<std::tuple<int, int, int>, int> Colours(const std::string& png, int& width, int& height) {
    std::map<std::tuple<int, int, int>, int> counts;
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    width = cairo_image_surface_get_width(s);
    height = cairo_image_surface_get_height(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; data && y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto px = *reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x);
            ++counts[{(px >> 16) & 255, (px >> 8) & 255, px & 255}];
        }
    }
    cairo_surface_destroy(s);
    return counts;
}

TEST(RenderCommand, DrawsTheKindsInTheirColoursOnBlackWithAPaperFrame) {
    CliHome home;
    const std::string png = home.Path("square.png");
    const CliRun run = home.Run(PV_CLI_PELVANE,
                                {"render", DataFile("square.plt"), "-o", png, "--width", "400", "--set", "PaperLenMm=200"});
    ASSERT_EQ(run.status, 0) << run.err;
    int w = 0, h = 0;
    auto colours = Colours(png, w, h);
    EXPECT_EQ(w, 400);
    EXPECT_GT(h, 600);   // 200 mm of paper against at least 100 mm of drawing
    EXPECT_GT((colours[{0, 0, 0}]), w * h / 2);
    EXPECT_GT((colours[{255, 255, 255}]), 25);    // the drawn line, 10 mm
    EXPECT_GT((colours[{255, 0, 0}]), 60);        // the dashed cut square
    EXPECT_GT((colours[{0, 255, 0}]), 2 * h);     // the paper frame

    // A wider paper makes a taller picture at the same width.
    const std::string wide = home.Path("wide.png");
    ASSERT_EQ(home.Run(PV_CLI_PELVANE, {"render", DataFile("square.plt"), "-o", wide, "--width", "400", "--set",
                                        "PaperLenMm=400"})
                  .status,
              0);
    int w2 = 0, h2 = 0;
    Colours(wide, w2, h2);
    EXPECT_EQ(w2, 400);
    EXPECT_GT(h2, h);
}

TEST(RenderCommand, RefusesBadWidthsAndUnwritableOutputs) {
    CliHome home;
    const std::string f = DataFile("square.plt");
    for (const char* width : {"0", "63", "8193", "12px", "-5", ""})
        EXPECT_EQ(home.Run(PV_CLI_ORVANTA, {"render", f, "-o", home.Path("x.png"), "--width", width}).status, 1)
            << width;
    EXPECT_FALSE(std::filesystem::exists(home.Path("x.png")));
    EXPECT_EQ(home.Run(PV_CLI_ORVANTA, {"render", f, "-o", home.Path("no/such/dir/x.png")}).status, 3);
}

}  // namespace
}  // namespace pv::test
