// Saving the settings over a file the operator made read-only, beside
// temporary files a killed save left behind, and telling the operator once.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "settings/atomic_file_writer.h"
#include "settings/settings_store.h"

namespace pv {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::ScratchDir;
using test::WriteAll;

AppSettings In(const ScratchDir& dir) {
    AppSettings s;
    InitProgramPaths(s, dir.Dir());
    return s;
}

TEST(SettingsSave, AReadOnlySettingsFileIsNotReplaced) {
    ScratchDir dir;
    AppSettings s = In(dir);
    const std::string path = s.SettingsPath();
    WriteAll(path, "[Para]\nPaperLenMm=1234\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    s.PaperLenMm = 999;
    std::string error;
    EXPECT_FALSE(SaveSettings(s, &error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced through a rename";
    EXPECT_EQ(after.st_mode & 07777, 0444u);
    EXPECT_EQ(ReadAll(path), "[Para]\nPaperLenMm=1234\n");
    for (const auto& e : fs::directory_iterator(dir.Path()))
        EXPECT_NE(e.path().extension(), ".tmp") << "a temporary file was left: " << e.path();

    // Writable again: the next save goes through.
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    EXPECT_TRUE(SaveSettings(s, &error)) << error;
    EXPECT_NE(ReadAll(path).find("PaperLenMm=999"), std::string::npos);
}

// A pid that ran and has ended: a child that exits at once.
pid_t EndedPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(SettingsSave, TemporaryFilesOfAKilledSaveAreRemovedByTheNextSave) {
    ScratchDir dir;
    const std::string target = dir.File("Setting.ini");
    WriteAll(target, "[Para]\n");
    const std::string stale = dir.File(".Setting.ini." + std::to_string(EndedPid()) + "-0.tmp");
    // The writer of this one still runs (the test itself under another
    // counter would be the same process: a live parent stands in).
    const std::string live = dir.File(".Setting.ini." + std::to_string(::getppid()) + "-7.tmp");
    const std::string other = dir.File(".Other.ini.1-0.tmp");
    for (const auto& f : {stale, live, other}) WriteAll(f, "half written");

    ASSERT_TRUE(WriteFileAtomically(target, "[Para]\nAutoStart=0\n"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(other)) << "another file's temporary files are not ours to remove";
    EXPECT_EQ(ReadAll(target), "[Para]\nAutoStart=0\n");
}

TEST(SettingsSave, AFailingSaveIsToldOnceUntilTheReasonChangesOrASaveSucceeds) {
    struct Step {
        bool saved;
        const char* error;
        bool told;
    } const steps[] = {
        {false, "Setting.ini: the file is read-only", true},
        {false, "Setting.ini: the file is read-only", false},
        {false, "Setting.ini: the file is read-only", false},
        {false, "Setting.ini: No space left on device", true},
        {true, "", false},
        {false, "Setting.ini: the file is read-only", true},
    };
    SettingsSaveNotice notice;
    for (const Step& s : steps) {
        const std::string text = notice.After(s.saved, s.error, 1);
        EXPECT_EQ(!text.empty(), s.told) << s.error;
        if (s.told) {
            EXPECT_NE(text.find("The settings are not saved"), std::string::npos);
            EXPECT_NE(text.find(s.error), std::string::npos);
        }
    }
    SettingsSaveNotice chinese;
    EXPECT_EQ(chinese.After(false, "x", 0), "设置未保存：x");
}

}  // namespace
}  // namespace pv
