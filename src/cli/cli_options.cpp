#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cli/exit_status.h"
#include "settings/settings_store.h"

namespace pv::cli {

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

std::nullopt_t Mistake(const CliContext& ctx, const CliCommand& command, const std::string& what) {
    std::fprintf(stderr, "%s %s: %s\n", ctx.programName.c_str(), command.name, what.c_str());
    std::fprintf(stderr, "Try '%s %s --help'.\n", ctx.programName.c_str(), command.name);
    return std::nullopt;
}

}  // namespace

OptionTable OptionTable::OneFile(std::vector<std::string> valued, std::vector<std::string> flags) {
    OptionTable table;
    table.flags = std::move(flags);
    table.valued = kSettingsOptions;
    table.valued.insert(table.valued.end(), valued.begin(), valued.end());
    table.minPositional = table.maxPositional = 1;
    return table;
}

std::optional<std::string> ParsedOptions::Value(const std::string& option) const {
    auto it = values_.find(option);
    if (it == values_.end() || it->second.empty()) return std::nullopt;
    return it->second.back();
}

const std::vector<std::string>& ParsedOptions::Values(const std::string& option) const {
    static const std::vector<std::string> kNone;
    auto it = values_.find(option);
    return it == values_.end() ? kNone : it->second;
}

std::optional<ParsedOptions> ParseOptions(const CliContext& ctx, const CliCommand& command, const OptionTable& table) {
    ParsedOptions parsed;
    const auto& args = ctx.args;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            parsed.positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = a, value;
        bool inlineValue = false;
        if (auto eq = a.find('='); a.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            inlineValue = true;
        }
        if (Contains(table.flags, name) && !inlineValue) {
            parsed.Add(name, "");
        } else if (Contains(table.valued, name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) return Mistake(ctx, command, "option " + name + " needs a value");
                value = args[++i];
            }
            parsed.Add(name, value);
        } else {
            return Mistake(ctx, command, "unknown option " + a);
        }
    }
    if (parsed.positional.size() < table.minPositional)
        return Mistake(ctx, command, table.minPositional == 1 ? "a file name is missing" : "operands are missing");
    if (parsed.positional.size() > table.maxPositional)
        return Mistake(ctx, command, "unexpected operand " + parsed.positional[table.maxPositional]);
    return parsed;
}

bool LoadCliSettings(const CliContext& ctx, const ParsedOptions& options, AppSettings& settings) {
    settings = AppSettings{};
    settings.edition = ctx.edition;
    InitProgramPaths(settings, ctx.programDir);
    if (auto ini = options.Value("--ini")) {
        if (!LoadSettings(settings, *ini))
            std::fprintf(stderr, "%s: cannot read settings file %s; using the defaults\n", ctx.programName.c_str(),
                         ini->c_str());
    } else {
        LoadSettings(settings);
    }
    for (const std::string& assignment : options.Values("--set")) {
        const auto eq = assignment.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::fprintf(stderr, "%s: --set needs KEY=VALUE, not '%s'\n", ctx.programName.c_str(), assignment.c_str());
            return false;
        }
        const std::string key = assignment.substr(0, eq);
        if (!SetSettingFromText(settings, key, std::string_view(assignment).substr(eq + 1))) {
            std::fprintf(stderr, "%s: no setting named %s in %s\n", ctx.programName.c_str(), key.c_str(),
                         std::string(Info(ctx.edition).settingsFile).c_str());
            return false;
        }
    }
    return true;
}

std::optional<std::string> RequiredOption(const CliContext& ctx, const CliCommand& command,
                                          const ParsedOptions& options, const std::string& option,
                                          const char* placeholder, bool emptyIsMissing) {
    auto value = options.Value(option);
    if (!value || (emptyIsMissing && value->empty())) {
        std::fprintf(stderr, "%s %s: %s %s is missing\n", ctx.programName.c_str(), command.name, option.c_str(),
                     placeholder);
        return std::nullopt;
    }
    return value;
}

int ReportNotWritten(const CliContext& ctx, const CliCommand& command, const std::string& path,
                     const std::string& why) {
    std::fprintf(stderr, "%s %s: %s not written: %s\n", ctx.programName.c_str(), command.name, path.c_str(),
                 why.c_str());
    return kExitNotWritten;
}

std::optional<int> IntOption(const ParsedOptions& options, const std::string& name, int fallback, int lo, int hi) {
    auto text = options.Value(name);
    if (!text) return fallback;
    int v = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc() || end != text->data() + text->size() || v < lo || v > hi) {
        std::fprintf(stderr, "%s must be a whole number from %d to %d, not '%s'\n", name.c_str(), lo, hi,
                     text->c_str());
        return std::nullopt;
    }
    return v;
}

}  // namespace pv::cli
