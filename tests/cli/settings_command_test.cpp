#include <gtest/gtest.h>

#include "cli_run.h"

namespace pv::test {
namespace {

using nlohmann::json;

TEST(SettingsCommand, PrintsTheEditionsKeysWithTheirDefaults) {
    CliHome home;
    const json two = home.Run(PV_CLI_PELVANE, {"settings"}).Json();
    const json four = home.Run(PV_CLI_ORVANTA, {"settings"}).Json();
    EXPECT_EQ(two["MachineIP"], -1342068544);
    EXPECT_EQ(two["CustomString"], "Welcome To Use Pelvane Plotter");
    EXPECT_EQ(four["CustomString"], "Welcome To Use Orvanta Plotter");
    EXPECT_EQ(two["ProgramDir"], home.Path(""));
    EXPECT_EQ(two["AutoDir"], home.Path("DirAuto/"));
    EXPECT_EQ(two["PltFontScale"], 100);
    EXPECT_FALSE(four.contains("PltFontScale"));
    EXPECT_EQ(four["IBLRError"], 5);
    EXPECT_FALSE(two.contains("IBLRError"));
    EXPECT_EQ(two.size(), 49u + 3u);
    EXPECT_EQ(four.size(), 44u + 3u);
}

TEST(SettingsCommand, SavesWhatItPrintsAndReadsItBack) {
    CliHome home;
    const std::string ini = home.Path("saved.ini");
    std::ofstream(ini) << "[Other]\nkeep=me\n[Para]\nPaperLenMm=1500\n";
    const CliRun saved = home.Run(PV_CLI_PELVANE, {"settings", "--ini", ini, "--set", "DropCountIB1=8589934597",
                                                   "--set", "CustomString=Shop 7", "--set", "MachineIP=0", "--save", ini});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.Json()["PaperLenMm"], 1500);
    EXPECT_EQ(saved.Json()["MachineIP"], -1342068544);   // 0 is saved as the default address

    const json back = home.Run(PV_CLI_PELVANE, {"settings", "--ini", ini}).Json();
    EXPECT_EQ(back, saved.Json());
    EXPECT_EQ(back["DropCountIB1"], 8589934597);
    EXPECT_EQ(back["CustomString"], "Shop 7");
    EXPECT_NE(Slurp(ini).find("[Other]\nkeep=me\n"), std::string::npos);
}

TEST(SettingsCommand, ASaveThatFailsIsReported) {
    CliHome home;
    std::filesystem::create_directories(home.Path("taken.ini"));
    const CliRun run = home.Run(PV_CLI_ORVANTA, {"settings", "--save", home.Path("taken.ini")});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.out.empty());
}

TEST(SettingsCommand, AMissingIniFileGivesTheDefaultsWithAWarning) {
    CliHome home;
    const CliRun run = home.Run(PV_CLI_PELVANE, {"settings", "--ini", home.Path("nope.ini")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.Json()["PaperLenMm"], 2000);
    EXPECT_NE(run.err.find("nope.ini"), std::string::npos);
}

TEST(SettingsCommand, TextThatIsNotUtf8StillPrints) {
    CliHome home;
    std::ofstream(home.Path("Setting.ini")) << "[Para]\nCustomString=\xB2\xE2\xCA\xD4\xFF\n";
    const CliRun run = home.Run(PV_CLI_PELVANE, {"settings"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.Json().is_object());
}

}  // namespace
}  // namespace pv::test
