#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "cli_run.h"
#include "output/cut_record.h"
#include "output/send_plan.h"

namespace pv::test {
namespace {

using nlohmann::json;

json Summary(const CliHome& home, const std::string& dir) {
    return json::parse(Slurp(home.Path(dir + "/summary.json")), nullptr, false);
}

TEST(PrepareCommand, WritesBandsAndCutSegmentsInTheDriversOrder) {
    CliHome home;
    const CliRun run = home.Run(PV_CLI_PELVANE, {"prepare", DataFile("piece.plt"), "--out", home.Path("out")});
    ASSERT_EQ(run.status, 0) << run.err;
    const json s = Summary(home, "out");
    ASSERT_TRUE(s.is_object());
    const int bands = s["BandCount"];
    EXPECT_GT(bands, s["PlotBandCount"].get<int>());   // the cut piece reaches further than the ink
    EXPECT_EQ(s["jobStart"]["columnCount"], s["ColumnCount"]);

    // Same order as the driver's: bands 0-7, cut segment 0, bands 8-15, ...
    StreamOrder order(bands, 8);
    const json& steps = s["steps"];
    std::size_t n = 0;
    int cutRecords = 0;
    for (SendStep want = order.Current(); want.kind != SendStep::Kind::Done; order.Advance(), want = order.Current()) {
        ASSERT_LT(n, steps.size());
        const json& step = steps[n++];
        const bool band = want.kind == SendStep::Kind::Band;
        EXPECT_EQ(step["type"], band ? "band" : "cut");
        EXPECT_EQ(step["index"], want.index);
        if (step["file"].is_null()) continue;
        const auto file = home.Path("out/" + step["file"].get<std::string>());
        const std::string bytes = Slurp(file);
        if (band) {
            EXPECT_EQ(bytes.size(), step["bytes"].get<std::size_t>());
            EXPECT_EQ(step["reversed"], want.index % 2 == 1);
            continue;
        }
        ASSERT_EQ(bytes.size(), 12 * step["records"].get<std::size_t>());
        const std::span<const std::uint8_t> wire(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(UnpackCutRecord(wire, 0).code, 'M');   // each segment starts with a move
        for (std::size_t off = 0; off < bytes.size(); off += 12) {
            EXPECT_TRUE(std::string("MFHND").find(UnpackCutRecord(wire, off).code) != std::string::npos);
            ++cutRecords;
        }
    }
    EXPECT_EQ(n, steps.size());
    EXPECT_GT(cutRecords, 0);
    // The prepared page opens with the 1 mm start cut that sets the blade.
    EXPECT_EQ(Slurp(home.Path("out/prepared.plt")).rfind("SP2;PU0,0;PD0,0,0,40,;", 0), 0u);
}

TEST(PrepareCommand, MachineParametersAndSettingsShapeTheData) {
    CliHome home;
    ASSERT_EQ(home.Run(PV_CLI_PELVANE, {"prepare", DataFile("piece.plt"), "--out", home.Path("base")}).status, 0);
    ASSERT_EQ(home.Run(PV_CLI_PELVANE, {"prepare", DataFile("piece.plt"), "--out", home.Path("one"), "--param",
                                        "headEnable=1", "--param", "bidirectional=0", "--start-mm", "10"})
                  .status,
              0);
    ASSERT_EQ(home.Run(PV_CLI_PELVANE,
                       {"prepare", DataFile("piece.plt"), "--out", home.Path("ink"), "--set", "PlotOnly=1"})
                  .status,
              0);
    const json base = Summary(home, "base"), one = Summary(home, "one"), ink = Summary(home, "ink");

    // One head prints 150 dots a band instead of 298; 10 mm less feed is 800 pulses.
    EXPECT_GT(one["BandCount"].get<int>(), base["BandCount"].get<int>() * 3 / 2);
    EXPECT_EQ(one["jobStart"]["paperFeedPulses"].get<int>(), base["jobStart"]["paperFeedPulses"].get<int>() - 800);
    for (const json& step : one["steps"]) EXPECT_FALSE(step.value("reversed", false));

    EXPECT_EQ(ink["PlotBandCount"], ink["BandCount"]);
    bool anyCut = false;
    for (const json& step : ink["steps"]) {
        if (step["type"] != "cut") continue;
        anyCut = true;
        EXPECT_EQ(step["records"], 0);
        EXPECT_TRUE(step["file"].is_null());
    }
    EXPECT_TRUE(anyCut);   // the segments still count under inkjet-only printing
}

TEST(PrepareCommand, FourHeadMachineGetsNoStartCut) {
    CliHome home;
    const CliRun run = home.Run(PV_CLI_ORVANTA, {"prepare", DataFile("piece.plt"), "--out", home.Path("out"),
                                                 "--param", "headCombination=3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(Slurp(home.Path("out/prepared.plt")).rfind("SP2;PU0,0;PD0,0,0,40,;", 0), 0u);
    EXPECT_GT(Summary(home, "out")["BandCount"].get<int>(), 0);
}

TEST(PrepareCommand, BadArgumentsAndInputsFailCleanly) {
    CliHome home;
    std::ofstream(home.Path("taken")) << "x";
    // Options that are refused after a valid file and folder.
    const struct {
        const char* option;
        const char* value;
        int status;
    } refused[] = {
        {"--param", "noSuchField=1", 6},         {"--param", "headEnable=300", 7}, {"--param", "headEnable", 1},
        {"--param", "plotCutOffsetX=-40000", 7}, {"--param", "bridgeLen=x", 1},    {"--start-mm", "-5", 1},
    };
    for (const auto& [option, value, status] : refused) {
        const CliRun run =
            home.Run(PV_CLI_PELVANE, {"prepare", DataFile("piece.plt"), "--out", home.Path("o"), option, value});
        EXPECT_EQ(run.status, status) << option << " " << value;
    }
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"prepare", DataFile("piece.plt")}).status, 1);
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"prepare", DataFile("missing.plt"), "--out", home.Path("o")}).status, 2);
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"prepare", DataFile("piece.plt"), "--out", home.Path("taken")}).status, 3);
    // Parameters the bands cannot be built with: refused, nothing written.
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"prepare", DataFile("piece.plt"), "--out", home.Path("z"), "--param",
                                        "fireIntervalPulses=0"})
                  .status,
              9);
    EXPECT_FALSE(std::filesystem::exists(home.Path("z/summary.json")));
}

}  // namespace
}  // namespace pv::test
