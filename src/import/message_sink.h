#pragma once
// Readers report the few messages they own (a missing stroke-font file)
// through this seam; the window shows them in a message box, the command-line
// tool prints them, tests collect them.
#include <functional>
#include <string>

namespace pv {

using MessageSink = std::function<void(const std::string&)>;

}  // namespace pv
