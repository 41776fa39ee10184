#pragma once
// Who wrote a running row: the process id and its start time in clock
// ticks since boot ("1234/56789"), so a later process that got the same id
// is not taken for the writer.
#include <string>

namespace pv {

std::string ThisProcessIdentity();
// The process named by `identity` still runs (false for a malformed text).
bool ProcessStillRuns(const std::string& identity);

}  // namespace pv
