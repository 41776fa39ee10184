#pragma once
// The command-line tool's commands.  Each command lives in its own file and
// registers itself with a CommandRegistrar; it parses its own arguments and
// returns the process exit status.
#include <string>
#include <vector>

#include "settings/edition.h"

namespace pv::cli {

struct CliContext {
    Edition edition = Edition::TwoHead;
    std::string programDir;              // ends in the path separator
    std::string programName;             // "pelvane-cli" / "orvanta-cli"
    std::vector<std::string> args;       // the command's own arguments
};

struct CliCommand {
    int order;                           // place in the --help listing
    const char* name;
    const char* summary;
    const char* usage;                   // the command's --help text
    int (*run)(CliContext&);
};

// Every registered command, sorted by `order`.
const std::vector<CliCommand>& Commands();

struct CommandRegistrar {
    explicit CommandRegistrar(const CliCommand& command);
};

bool WantsHelp(const std::vector<std::string>& args);

}  // namespace pv::cli
