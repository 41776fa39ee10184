#include <gtest/gtest.h>

#include "cli_run.h"

namespace pv::test {
namespace {

using nlohmann::json;

TEST(ReadCommand, ReadsAsAJobIsAddedAndRawOnlyBuildsTheCurves) {
    CliHome home;
    const CliRun job = home.Run(PV_CLI_PELVANE, {"read", DataFile("square.plt")});
    ASSERT_EQ(job.status, 0) << job.err;
    const json j = job.Json();
    EXPECT_EQ(j["file"], "square.plt");
    EXPECT_EQ(j["result"], 0);
    ASSERT_EQ(j["curves"].size(), 2u);
    // The drawing is moved to X = 0 (Y stays, it is not negative).
    EXPECT_EQ(j["curves"][0]["kind"], 1);
    EXPECT_EQ(j["curves"][0]["lineType"], 0);
    EXPECT_EQ(j["curves"][0]["points"], json::parse("[[0,100],[400,100]]"));
    EXPECT_EQ(j["curves"][1]["kind"], 2);
    EXPECT_EQ(j["curves"][1]["lineType"], 1);
    EXPECT_EQ(j["minX"], 0);
    EXPECT_EQ(j["maxX"], 400);
    EXPECT_EQ(j["minY"], 100);
    EXPECT_EQ(j["maxY"], 600);
    for (const char* field : {"role", "isTNotch", "isINotch"}) EXPECT_TRUE(j["curves"][1].contains(field));

    const CliRun raw = home.Run(PV_CLI_PELVANE, {"read", "--raw", DataFile("square.plt")});
    ASSERT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.Json()["curves"][0]["points"], json::parse("[[100,100],[500,100]]"));
    EXPECT_EQ(raw.Json()["minX"], 100);
}

TEST(ReadCommand, RawReadOfADxfGivesTheConvertedCurvesBeforeTheReadingSequence) {
    CliHome home;
    const std::string dxf = home.Path("piece.dxf");
    std::ofstream(dxf, std::ios::binary) << "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\n0\r\n"
                                             "10\r\n10\r\n20\r\n20\r\n11\r\n30\r\n21\r\n20\r\n"
                                             "0\r\nENDSEC\r\n0\r\nEOF\r\n";
    const CliRun raw = home.Run(PV_CLI_PELVANE, {"read", "--raw", dxf});
    ASSERT_EQ(raw.status, 0) << raw.err;
    ASSERT_EQ(raw.Json()["curves"].size(), 1u);
    // Millimetres at 40 units each, not yet moved to the origin.
    EXPECT_EQ(raw.Json()["curves"][0]["points"], json::parse("[[400,800],[1200,800]]"));
    EXPECT_EQ(raw.Json()["minX"], 400);
    const CliRun job = home.Run(PV_CLI_PELVANE, {"read", dxf});
    ASSERT_EQ(job.status, 0) << job.err;
    EXPECT_EQ(job.Json()["minX"], 0);

    // A file cut short inside its section is refused either way.
    std::ofstream(dxf, std::ios::binary | std::ios::trunc) << "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10";
    for (bool useRaw : {true, false}) {
        const CliRun cut = useRaw ? home.Run(PV_CLI_PELVANE, {"read", "--raw", dxf}) : home.Run(PV_CLI_PELVANE, {"read", dxf});
        EXPECT_EQ(cut.status, 2) << useRaw;
        EXPECT_NE(cut.err.find("Open File Failed!"), std::string::npos) << cut.err;
    }
}

TEST(ReadCommand, SettingsComeFromTheIniFileAndSetOverridesIt) {
    CliHome home;
    std::ofstream(home.Path("units.ini")) << "[Para]\nPltFileUnit=1\n";
    // 0.01 mm units: scaled by 0.4; the two touching drawn lines are joined.
    const CliRun set = home.Run(PV_CLI_PELVANE,
                                {"read", DataFile("units.plt"), "--ini", home.Path("units.ini"), "--set", "pltfileunit=3"});
    ASSERT_EQ(set.status, 0) << set.err;
    const json j = set.Json();
    ASSERT_EQ(j["curves"].size(), 2u);
    EXPECT_EQ(j["curves"][0]["points"], json::parse("[[400,0],[0,0],[0,200]]"));
    EXPECT_EQ(j["maxX"], 1200);

    // The file alone: mils, 1.016.
    const CliRun ini = home.Run(PV_CLI_ORVANTA, {"read", DataFile("units.plt"), "--ini", home.Path("units.ini")});
    ASSERT_EQ(ini.status, 0) << ini.err;
    EXPECT_EQ(ini.Json()["maxX"], 3048);

    // The program directory's own file when no --ini is given.
    std::ofstream(home.Path("Setting4.ini")) << "[Para]\nPltFileUnit=3\n";
    const CliRun own = home.Run(PV_CLI_ORVANTA, {"read", DataFile("units.plt")});
    EXPECT_EQ(own.Json()["maxX"], 1200);
    const CliRun other = home.Run(PV_CLI_PELVANE, {"read", DataFile("units.plt")});
    EXPECT_EQ(other.Json()["maxX"], 3000) << "the two-head tool reads Setting.ini only";
}

TEST(ReadCommand, AFileThatCannotBeReadSaysSoWithTheReadersResult) {
    struct Case {
        std::string file;
        const char* result;
    };
    CliHome home;
    for (const Case& c : {Case{DataFile("missing.plt"), "1"}, Case{DataFile("bom.plt"), "-2"},
                          Case{home.Path(""), ""}}) {
        const CliRun run = home.Run(PV_CLI_PELVANE, {"read", c.file});
        EXPECT_EQ(run.status, 2) << c.file;
        EXPECT_NE(run.err.find("Open File Failed!"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(std::string("result ") + c.result), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(ReadCommand, BadArgumentsAreRefusedWithStatusOne) {
    CliHome home;
    const std::string f = DataFile("square.plt");
    for (auto args : {std::initializer_list<std::string>{"read"}, {"read", f, f}, {"read", f, "--bogus"},
                      {"read", f, "--set", "NoSuchKey=1"}, {"read", f, "--set", "PaperLenMm"},
                      {"read", f, "--set", "PltFontScale=50", "--ini"}, {"nosuchcommand"}}) {
        const CliRun run = home.Run(PV_CLI_PELVANE, args);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    // A key of the other edition does not exist here.
    EXPECT_EQ(home.Run(PV_CLI_ORVANTA, {"read", f, "--set", "PltFontScale=50"}).status, 1);
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"read", f, "--set", "EnableCurveMove=1"}).status, 1);
}

TEST(Commands, EachExplainsItselfWithHelp) {
    CliHome home;
    for (const char* command : {"read", "export", "render", "settings"}) {
        const CliRun run = home.Run(PV_CLI_PELVANE, {command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find("usage: "), std::string::npos) << command;
    }
}

}  // namespace
}  // namespace pv::test
