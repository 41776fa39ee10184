#include <algorithm>

#include "cli/cli_command.h"

namespace pv::cli {

namespace {
std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}
}  // namespace

CommandRegistrar::CommandRegistrar(const CliCommand& command) {
    auto& r = Registry();
    r.insert(std::upper_bound(r.begin(), r.end(), command,
                              [](const CliCommand& a, const CliCommand& b) { return a.order < b.order; }),
             command);
}

const std::vector<CliCommand>& Commands() { return Registry(); }

bool WantsHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

}  // namespace pv::cli
