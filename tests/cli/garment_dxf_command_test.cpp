// A graded garment DXF nest from the command line: --sizes narrows it, a
// size the file lacks is refused with the file's sizes, and
// --set DxfGarmentLayers=0 reads it as any other drawing.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace pv::test {
namespace {

using nlohmann::json;

const std::string kNest = std::string(PV_TEST_DATA_DIR) + "/dxf/garment_nest.dxf";

int CountKind(const json& page, int kind) {
    int n = 0;
    for (const json& c : page["curves"]) n += c["kind"] == kind ? 1 : 0;
    return n;
}

TEST(GarmentDxfCommand, SizesChooseThePiecesAndTheSwitchTurnsTheLayersOff) {
    CliHome home;
    struct Case {
        std::vector<std::string> args;
        int cutCurves;
        int maxY;   // plotter units across the paper; 0 not checked
    } cases[] = {
        // Inches: 13.5 in across, moved up by FRONT's 0.05 in sag.
        {{"read", kNest}, 4, 13 * 1016 + 508 + 51},
        // Size M alone starts 7 in across and is not moved.
        {{"read", kNest, "--sizes", "M"}, 2, 13 * 1016 + 508},
        {{"read", kNest, "--sizes=S, m"}, 4, 13 * 1016 + 508 + 51},
        // Every line drawn at 40 plotter units per drawing unit.
        {{"read", kNest, "--set", "DxfGarmentLayers=0"}, 0, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.args.back());
        const CliRun run = home.Run(PV_CLI_PELVANE, k.args);
        ASSERT_EQ(run.status, 0) << run.err;
        const json page = run.Json();
        EXPECT_EQ(CountKind(page, 2), k.cutCurves);
        if (k.maxY != 0) {
            EXPECT_EQ(page["maxY"], k.maxY);
        } else {
            EXPECT_LT(page["maxY"].get<int>(), 1016);
        }
    }

    const CliRun unknown = home.Run(PV_CLI_PELVANE, {"read", kNest, "--sizes", "M,XL", "--set", "Language=1"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("Sizes not in the file: XL (the file has: S, M)"), std::string::npos) << unknown.err;
}

}  // namespace
}  // namespace pv::test
