#include "history/process_identity.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace pv {

namespace {

// Field 22 of /proc/PID/stat: the process's start time in clock ticks
// after boot; "" when there is no such process.
std::string StartTicks(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) return "";
    // The command name (field 2) is in parentheses and may hold blanks.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return "";
    std::istringstream rest(stat.substr(close + 1));
    std::string field;
    for (int k = 3; k <= 22 && (rest >> field); ++k)
        if (k == 22) return field;
    return "";
}

}  // namespace

std::string ThisProcessIdentity() {
    const std::string pid = std::to_string(::getpid());
    return pid + "/" + StartTicks(pid);
}

bool ProcessStillRuns(const std::string& identity) {
    const std::size_t slash = identity.find('/');
    if (slash == std::string::npos || slash == 0) return false;
    const std::string pid = identity.substr(0, slash);
    if (pid.find_first_not_of("0123456789") != std::string::npos) return false;
    const std::string ticks = StartTicks(pid);
    return !ticks.empty() && ticks == identity.substr(slash + 1);
}

}  // namespace pv
