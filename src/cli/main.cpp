// pelvane-cli / orvanta-cli: the engine without a window.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/exit_status.h"
#include "settings/program_dir.h"
#include "settings/program_version.h"

namespace {

#ifdef PV_FOUR_HEAD
constexpr pv::Edition kEdition = pv::Edition::FourHead;
constexpr const char* kName = "orvanta-cli";
#else
constexpr pv::Edition kEdition = pv::Edition::TwoHead;
constexpr const char* kName = "pelvane-cli";
#endif

std::string ExecutableDir(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: %s [--home DIR] COMMAND [ARGS]...\n"
                      "       %s --help | --version\n\n", kName, kName);
    std::fprintf(out, "The %s output centre's engine without its window: reads, converts and\n"
                      "draws pattern files, prepares and prints them, talks to the machine over\n"
                      "Ethernet or USB, and runs the station headless (serve).\n\n",
                 std::string(pv::Info(kEdition).programName).c_str());
    std::fprintf(out, "  --home DIR   program directory: settings file, fonts, working files and\n"
                      "               watched folders (default: the executable's folder, or\n"
                      "               ~/.local/share/PROGRAM when that is not writable)\n"
                      "  --help       this text\n"
                      "  --version    the program, its edition and version\n\n");
    std::fprintf(out, "commands:\n");
    for (const auto& c : pv::cli::Commands()) std::fprintf(out, "  %-10s %s\n", c.name, c.summary);
    std::fprintf(out, "\n'%s COMMAND --help' describes one command.\n\n%s", kName, pv::cli::kExitStatusTable);
}

}  // namespace

int main(int argc, char* argv[]) {
    pv::cli::CliContext ctx;
    ctx.edition = kEdition;
    ctx.programName = kName;
    // An installed tool's own folder is not writable: it then shares the
    // window program's folder under the user's data folder.
    ctx.programDir = pv::DefaultProgramDir(ExecutableDir(argv[0]), std::string(pv::Info(kEdition).programName));
    std::vector<std::string> args(argv + 1, argv + argc);
    std::size_t i = 0;
    while (i < args.size() && args[i].rfind("--", 0) == 0) {
        if (args[i] == "--home" && i + 1 < args.size()) {
            std::error_code ec;
            std::filesystem::create_directories(args[i + 1], ec);
            std::string dir = std::filesystem::absolute(args[i + 1], ec).lexically_normal().string();
            if (dir.empty() || dir.back() != '/') dir += '/';
            ctx.programDir = dir;
            i += 2;
        } else if (args[i] == "--help" || args[i] == "-h") {
            PrintUsage(stdout);
            return 0;
        } else if (args[i] == "--version") {
            std::printf("%s\n", pv::VersionLine(kEdition, kName).c_str());
            return 0;
        } else {
            std::fprintf(stderr, "%s: unknown option %s\n", kName, args[i].c_str());
            PrintUsage(stderr);
            return 1;
        }
    }
    if (i >= args.size()) {
        PrintUsage(stderr);
        return 1;
    }
    const std::string name = args[i];
    ctx.args.assign(args.begin() + static_cast<long>(i) + 1, args.end());
    for (const auto& c : pv::cli::Commands()) {
        if (name == c.name) {
            if (pv::cli::WantsHelp(ctx.args)) {
                std::printf("%s", c.usage);
                return 0;
            }
            return c.run(ctx);
        }
    }
    std::fprintf(stderr, "%s: unknown command %s\n", kName, name.c_str());
    PrintUsage(stderr);
    return 1;
}
