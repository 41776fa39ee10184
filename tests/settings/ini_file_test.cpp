#include "settings/ini_file.h"

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "settings/atomic_file_writer.h"
#include "common/scratch_dir.h"

namespace pv {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::ScratchDir;
using test::WriteAll;

TEST(IniFile, ReadsTrimmedValuesAndTheFirstOfTwinKeys) {
    IniFile ini;
    ini.Parse("\xEF\xBB\xBFtop=1\n[ Para ]\n  Key  =  a value ; not a comment \nkey=second\n;Key=c\n[Next]\nKey=n");
    EXPECT_EQ(ini.Get("", "top"), "1");
    EXPECT_EQ(ini.Get("PARA", "KEY"), "a value ; not a comment");
    EXPECT_EQ(ini.Get("Next", "Key"), "n");
    EXPECT_FALSE(ini.Get("Para", "Missing").has_value());
    EXPECT_FALSE(ini.Get("Nowhere", "Key").has_value());
}

TEST(IniFile, WritesBackEverythingItDoesNotChangeByteForByte) {
    for (const std::string& text : {std::string("\xEF\xBB\xBF[A]\r\nx = 1\r\n\r\n# note\r\n[B]\r\ny=2"),
                                   std::string("junk line\n[A]\nx=1\n\n"), std::string("")}) {
        IniFile ini;
        ini.Parse(text);
        EXPECT_EQ(ini.Text(), text);
    }
}

TEST(IniFile, NewKeysJoinTheirSectionAndNewSectionsGoLast) {
    IniFile ini;
    ini.Parse("[A]\nx=1\n\n[B]\ny=2\n");
    ini.Set("a", "z", "3");
    ini.Set("C", "w", "4");
    ini.Set("A", "X", "5");
    EXPECT_EQ(ini.Text(), "[A]\nx=5\nz=3\n\n[B]\ny=2\n\n[C]\nw=4\n");
}

TEST(IniFile, AValueCannotAddLines) {
    IniFile ini;
    ini.Set("Para", "CustomString", "a\r\n[Evil]\nPaperLenMm=1");
    IniFile back;
    back.Parse(ini.Text());
    EXPECT_EQ(back.Get("Para", "CustomString"), "a  [Evil] PaperLenMm=1");
    EXPECT_FALSE(back.Get("Evil", "PaperLenMm").has_value());
}

TEST(IniFile, UnreadablePathsReadAsEmpty) {
    ScratchDir dir;
    IniFile ini;
    EXPECT_FALSE(ini.Load(dir.File("missing.ini")));
    EXPECT_FALSE(ini.Load(dir.Dir()));
    EXPECT_EQ(ini.Text(), "");
}

// A write that runs out of room must leave the previous file whole.
TEST(AtomicFileWriter, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    ScratchDir dir;
    const std::string target = dir.File("Setting.ini");
    WriteAll(target, "[Para]\nPaperLenMm=1234\n");

    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = WriteFileAtomically(target, std::string(100000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(target), "[Para]\nPaperLenMm=1234\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Dir()), fs::directory_iterator()), 1);
}

TEST(AtomicFileWriter, ReplacesTheFileBehindALinkAndKeepsItsPermissions) {
    ScratchDir dir;
    const std::string real = dir.File("real.ini"), link = dir.File("link.ini");
    WriteAll(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, link);
    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "new");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace pv
