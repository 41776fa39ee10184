// The program directory when none is named: the program's own folder while
// it can be written, else the user's data folder under the program's name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/scratch_dir.h"
#include "settings/program_dir.h"

namespace pv {
namespace {

TEST(ProgramDir, OwnFolderWhileWritableElseTheUsersDataFolder) {
    test::ScratchDir scratch;
    const std::string own = scratch.Path().string();
    const std::string data = (scratch.Path() / "data").string();
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    EXPECT_EQ(DefaultProgramDir(own, "Pelvane"), own + "/");
    // An installed program's folder that cannot be written (here: one that
    // is not there at all).
    EXPECT_EQ(DefaultProgramDir(own + "/missing", "Orvanta"), data + "/Orvanta/");
    EXPECT_EQ(DefaultProgramDir("", "Pelvane"), data + "/Pelvane/");
    // Without XDG_DATA_HOME (or with a relative one) the usual place in HOME.
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("XDG_DATA_HOME", "relative", 1);
    ::setenv("HOME", own.c_str(), 1);
    EXPECT_EQ(UserDataProgramDir("Pelvane"), own + "/.local/share/Pelvane/");
    ::unsetenv("XDG_DATA_HOME");
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace pv
