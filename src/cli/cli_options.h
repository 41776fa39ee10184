#pragma once
// Argument parsing shared by the commands, and the settings every command
// works with: the settings file (--ini PATH, else the program directory's),
// then each --set KEY=VALUE on top.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "settings/app_settings.h"

namespace pv::cli {

struct OptionTable {
    std::vector<std::string> flags;     // options without a value, e.g. "--raw"
    std::vector<std::string> valued;    // options taking a value, e.g. "-o", "--set"
    std::size_t minPositional = 0;
    std::size_t maxPositional = 0;

    // One FILE operand, --ini and --set, then `valued` and `flags`.
    static OptionTable OneFile(std::vector<std::string> valued = {}, std::vector<std::string> flags = {});
};

class ParsedOptions {
public:
    std::vector<std::string> positional;

    bool Has(const std::string& option) const { return values_.count(option) != 0; }
    // The last value given for the option.
    std::optional<std::string> Value(const std::string& option) const;
    // Every value given for the option, in order.
    const std::vector<std::string>& Values(const std::string& option) const;
    void Add(const std::string& option, std::string value) { values_[option].push_back(std::move(value)); }

private:
    std::map<std::string, std::vector<std::string>> values_;
};

// Options may come before or after the operands, as "--opt VALUE" or
// "--opt=VALUE"; "--" ends the options.  On a mistake prints it with the
// command's usage line to stderr and returns nothing (exit status 1).
std::optional<ParsedOptions> ParseOptions(const CliContext& ctx, const CliCommand& command, const OptionTable& table);

// The options every settings-reading command takes.
inline const std::vector<std::string> kSettingsOptions{"--ini", "--set"};

// Edition, program paths, the settings file and --set overrides.  False
// (after printing why) when a --set is malformed or names no key.
bool LoadCliSettings(const CliContext& ctx, const ParsedOptions& options, AppSettings& settings);

// The value of an option the command cannot do without.  When it is
// missing (or, with `emptyIsMissing`, empty) prints
// "<program> <command>: <option> <placeholder> is missing" and returns
// nothing (exit status 1).
std::optional<std::string> RequiredOption(const CliContext& ctx, const CliCommand& command,
                                          const ParsedOptions& options, const std::string& option,
                                          const char* placeholder, bool emptyIsMissing = true);

// A file the command could not write: prints
// "<program> <command>: <path> not written: <why>" and returns the exit
// status 3.
int ReportNotWritten(const CliContext& ctx, const CliCommand& command, const std::string& path,
                     const std::string& why);

// A whole number option within [lo, hi]; prints and returns nothing otherwise.
std::optional<int> IntOption(const ParsedOptions& options, const std::string& name, int fallback, int lo, int hi);

}  // namespace pv::cli
