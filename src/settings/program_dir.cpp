#include "settings/program_dir.h"

#include <unistd.h>

#include <cstdlib>

namespace pv {

namespace {
std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}
}  // namespace

std::string UserDataProgramDir(const std::string& programName) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : "/tmp") + "/.local/share";
    }
    return WithSlash(WithSlash(base) + programName);
}

std::string DefaultProgramDir(const std::string& executableDir, const std::string& programName) {
    if (!executableDir.empty() && ::access(executableDir.c_str(), W_OK) == 0) return WithSlash(executableDir);
    return UserDataProgramDir(programName);
}

}  // namespace pv
