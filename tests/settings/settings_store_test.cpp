#include "settings/settings_store.h"

#include <filesystem>
#include <limits>
#include <map>

#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "settings/setting_key_table.h"
#include "common/scratch_dir.h"

namespace pv {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::ScratchDir;
using test::WriteAll;

AppSettings Fresh(Edition edition, const ScratchDir& dir) {
    AppSettings s;
    s.edition = edition;
    InitProgramPaths(s, dir.Dir());
    return s;
}

// key → value of the settings section, as the file holds them.
std::map<std::string, std::string> ParaKeys(const std::string& path) {
    std::map<std::string, std::string> keys;
    std::string section;
    std::istringstream in(ReadAll(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] == '[') section = line;
        else if (section == "[Para]" && line.find('=') != std::string::npos)
            keys[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    }
    return keys;
}

class BothEditions : public ::testing::TestWithParam<Edition> {};
INSTANTIATE_TEST_SUITE_P(Settings, BothEditions, ::testing::Values(Edition::TwoHead, Edition::FourHead),
                         [](const auto& info) { return info.param == Edition::FourHead ? "FourHead" : "TwoHead"; });

TEST_P(BothEditions, FirstSaveWritesEveryKeyOfTheEditionWithItsDefault) {
    ScratchDir dir;
    AppSettings s = Fresh(GetParam(), dir);
    EXPECT_FALSE(LoadSettings(s));
    ASSERT_TRUE(SaveSettings(s));

    const bool four = GetParam() == Edition::FourHead;
    EXPECT_EQ(s.SettingsPath(), dir.File(four ? "Setting4.ini" : "Setting.ini"));
    auto keys = ParaKeys(s.SettingsPath());
    // The keys of the file as written before, and DxfGarmentLayers.
    EXPECT_EQ(keys.size(), four ? 44u : 49u);
    EXPECT_EQ(keys["DxfGarmentLayers"], "1");
    EXPECT_EQ(keys["MachineIP"], "-1342068544");
    EXPECT_EQ(keys["PaperLenMm"], "2000");
    EXPECT_EQ(keys["DotDist"], "50");
    EXPECT_EQ(keys["CustomString"], four ? "Welcome To Use Orvanta Plotter" : "Welcome To Use Pelvane Plotter");
    for (const char* twoHeadOnly : {"EnableInkVolumStatistic", "DropCountIB1", "DropCountIB2", "InkSum_mL",
                                    "IB1PosToR", "IB2PosToR", "PltFontScale"})
        EXPECT_EQ(keys.count(twoHeadOnly), four ? 0u : 1u) << twoHeadOnly;
    for (const char* fourHeadOnly : {"EnableCurveMove", "IBLRError"})
        EXPECT_EQ(keys.count(fourHeadOnly), four ? 1u : 0u) << fourHeadOnly;
    if (four) {
        EXPECT_EQ(keys["IBLRError"], "5");
    }
}

TEST_P(BothEditions, EveryKeySurvivesASaveAndALoad) {
    ScratchDir dir;
    fs::create_directories(dir.File("elsewhere/auto"));
    fs::create_directories(dir.File("elsewhere/man"));
    AppSettings out = Fresh(GetParam(), dir);
    int n = 7;
    for (const SettingKey* key : SettingKeys(GetParam())) {
        switch (key->type) {
            case SettingType::Int: out.*key->intField = -n * 1000 + 3; break;
            case SettingType::Int64: out.*key->int64Field = (std::int64_t{1} << 32) * n + 5; break;
            case SettingType::Text: out.*key->textField = "text " + std::to_string(n) + " ;=[x]"; break;
        }
        ++n;
    }
    out.AutoDir = dir.File("elsewhere/auto");
    out.ManDir = dir.File("elsewhere/man/");
    out.BackupDir = dir.File("elsewhere/bak/");
    ASSERT_TRUE(SaveSettings(out));

    AppSettings in = Fresh(GetParam(), dir);
    ASSERT_TRUE(LoadSettings(in));
    for (const SettingKey* key : SettingKeys(GetParam()))
        EXPECT_EQ(SettingText(in, *key), SettingText(out, *key)) << key->name;
}

TEST(SettingsLoad, MissingOrEmptyKeysTakeTheirDefaultsAndNumbersParseAsTheFileSaysSo) {
    ScratchDir dir;
    WriteAll(dir.File("Setting.ini"),
             "[Para]\nPaperLenMm=\nDotDist=  120  \nLineWidth=abc\nBreakAngle=30deg\nLanguage=+1\n"
             "DxfUnit=-4\nMachineIP=2952898752\nCusStrFontSize=99999999999\nDropCountIB1=5000000000\n"
             "DropCountIB2=x\n");
    AppSettings s = Fresh(Edition::TwoHead, dir);
    ASSERT_TRUE(LoadSettings(s));
    EXPECT_EQ(s.PaperLenMm, 2000);
    EXPECT_EQ(s.DotDist, 120);
    EXPECT_EQ(s.LineWidth, 0);
    EXPECT_EQ(s.BreakAngle, 30);
    EXPECT_EQ(s.Language, 1);
    EXPECT_EQ(s.DxfUnit, -4);
    EXPECT_EQ(s.MachineIP, -1342068544);   // the unsigned form of the same address
    EXPECT_EQ(s.CusStrFontSize, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(s.DropCountIB1, 5000000000);
    EXPECT_EQ(s.DropCountIB2, 0);
    EXPECT_EQ(s.AutoDelFinish, 1);   // missing key
}

TEST(SettingsLoad, ParsesIntegersByTheLeadingNumber) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    for (const Case& c : {Case{"0", 0}, Case{"-0", 0}, Case{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                          Case{"-2147483649", std::numeric_limits<std::int32_t>::min()},
                          Case{"4294967295", -1}, Case{"4294967296", std::numeric_limits<std::int32_t>::max()},
                          Case{"-", 0}, Case{"+-3", 0}, Case{"1.9", 1}, Case{"0x10", 0}, Case{"- 5", 0}})
        EXPECT_EQ(ParseSettingInt(c.text), c.value) << c.text;
    EXPECT_EQ(ParseSettingInt64("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ParseSettingInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
}

TEST(SettingsLoad, ShortLogoTextBecomesTheEditionsWelcomeText) {
    struct Case {
        Edition edition;
        const char* stored;
        const char* loaded;
    };
    for (const Case& c : {Case{Edition::TwoHead, "A", "Welcome To Use Pelvane Plotter"},
                          Case{Edition::FourHead, "A", "Welcome To Use Orvanta Plotter"},
                          Case{Edition::TwoHead, "\xE4\xB8\xAD", "Welcome To Use Pelvane Plotter"},  // one Chinese character
                          Case{Edition::TwoHead, "AB", "AB"},
                          Case{Edition::TwoHead, "\xE4\xB8\xAD\xE6\x96\x87", "\xE4\xB8\xAD\xE6\x96\x87"}}) {
        ScratchDir dir;
        AppSettings s = Fresh(c.edition, dir);
        WriteAll(s.SettingsPath(), std::string("[Para]\nCustomString=") + c.stored + "\n");
        LoadSettings(s);
        EXPECT_EQ(s.CustomString, c.loaded) << c.stored;
    }
}

TEST(SettingsSave, MachineIpZeroIsReadAsZeroAndWrittenBackAsTheDefaultAddress) {
    ScratchDir dir;
    AppSettings s = Fresh(Edition::TwoHead, dir);
    WriteAll(s.SettingsPath(), "[Para]\nMachineIP=0\n");
    LoadSettings(s);
    EXPECT_EQ(s.MachineIP, 0);
    ASSERT_TRUE(SaveSettings(s));
    EXPECT_EQ(s.MachineIP, -1342068544);
    EXPECT_EQ(ParaKeys(s.SettingsPath())["MachineIP"], "-1342068544");
}

TEST(SettingsSave, KeepsWhatTheProgramDoesNotOwnAndUpdatesKeysInPlace) {
    ScratchDir dir;
    AppSettings s = Fresh(Edition::TwoHead, dir);
    WriteAll(s.SettingsPath(),
             "; kept comment\r\n[Other]\r\nPaperLenMm=77\r\n\r\n[para]\r\nextra=1\r\npaperlenmm=1500\r\n"
             "[Tail]\r\nz=9\r\n");
    LoadSettings(s);
    EXPECT_EQ(s.PaperLenMm, 1500);   // names match in any letter case; [Other] is not ours
    s.PaperLenMm = 1600;
    ASSERT_TRUE(SaveSettings(s));
    const std::string text = ReadAll(s.SettingsPath());
    EXPECT_EQ(text.rfind("; kept comment\r\n[Other]\r\nPaperLenMm=77\r\n\r\n[para]\r\nextra=1\r\npaperlenmm=1600\r\n", 0),
              0u)
        << text;
    // New keys go to the end of their own section, before [Tail].
    EXPECT_NE(text.find("OptSS=0\r\n[Tail]\r\nz=9\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find('\n', 0), text.find("\r\n", 0) + 1);
}

TEST(SettingsSave, FailedSaveReportsAndLeavesNoTrace) {
    ScratchDir dir;
    AppSettings s = Fresh(Edition::TwoHead, dir);
    fs::create_directories(s.SettingsPath());   // a folder where the file should be
    std::string error;
    EXPECT_FALSE(SaveSettings(s, &error));
    EXPECT_FALSE(error.empty());

    s.ProgramDir = dir.File("no/such/folder/");
    EXPECT_FALSE(SaveSettings(s));
    EXPECT_FALSE(fs::exists(dir.File("no")));
}

TEST(Directories, WatchedFoldersThatAreMissingOrTheProgramDirectoryAreReset) {
    ScratchDir dir;
    fs::create_directories(dir.File("jobs/in"));
    struct Case {
        std::string autoDir;
        std::string expected;
    };
    for (const Case& c : {Case{"", dir.File("DirAuto/")}, Case{dir.Dir(), dir.File("DirAuto/")},
                          Case{dir.File(""), dir.File("DirAuto/")},
                          Case{dir.File("jobs/../"), dir.File("DirAuto/")},
                          Case{dir.File("missing/"), dir.File("DirAuto/")},
                          Case{dir.File("jobs/in/"), dir.File("jobs/in/")}, Case{dir.File("jobs/in"), dir.File("jobs/in")}}) {
        AppSettings s = Fresh(Edition::TwoHead, dir);
        s.AutoDir = c.autoDir;
        s.ManDir = c.autoDir;
        NormaliseDirectories(s);
        EXPECT_EQ(s.AutoDir, c.expected) << c.autoDir;
        EXPECT_EQ(s.ManDir, c.expected == dir.File("DirAuto/") ? dir.File("DirMan/") : c.expected) << c.autoDir;
        EXPECT_TRUE(fs::is_directory(s.AutoDir));
        EXPECT_TRUE(fs::is_directory(s.ManDir));
    }
    EXPECT_FALSE(fs::exists(dir.File("missing")));
}

TEST(Directories, BackupFolderElsewhereIsCreatedThereAndFilterGetsItsDefault) {
    ScratchDir dir;
    AppSettings s = Fresh(Edition::TwoHead, dir);
    s.BackupDir = dir.File("far/away/bak/");
    NormaliseDirectories(s);
    EXPECT_EQ(s.BackupDir, dir.File("far/away/bak/"));
    EXPECT_TRUE(fs::is_directory(dir.File("far/away/bak")));
    EXPECT_EQ(s.PrtFileExtension, "*.plt;*.hpg;");

    AppSettings d = Fresh(Edition::TwoHead, dir);
    d.PrtFileExtension = "*.cut;";
    NormaliseDirectories(d);
    EXPECT_EQ(d.BackupDir, dir.File("DirBak/"));
    EXPECT_TRUE(fs::is_directory(dir.File("DirBak")));
    EXPECT_EQ(d.PrtFileExtension, "*.cut;");
}

TEST(Directories, AFileInPlaceOfAFolderDoesNotCount) {
    ScratchDir dir;
    WriteAll(dir.File("plainfile"), "x");
    AppSettings s = Fresh(Edition::TwoHead, dir);
    s.AutoDir = dir.File("plainfile");
    NormaliseDirectories(s);
    EXPECT_EQ(s.AutoDir, dir.File("DirAuto/"));
    EXPECT_EQ(ReadAll(dir.File("plainfile")), "x");
}

TEST(ProgramPaths, FontsAndSettingsFileLiveInTheProgramDirectory) {
    AppSettings s;
    InitProgramPaths(s, ProgramDirOf("/opt/plotter/bin/Pelvane"));
    EXPECT_EQ(s.ProgramDir, "/opt/plotter/bin/");
    EXPECT_EQ(s.HzFontPath, "/opt/plotter/bin/fon_hz.bin");
    EXPECT_EQ(s.EnFontPath, "/opt/plotter/bin/fon_en.bin");
    InitProgramPaths(s, "/x");
    EXPECT_EQ(s.SettingsPath(), "/x/Setting.ini");
}

}  // namespace
}  // namespace pv
