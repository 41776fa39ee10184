// firmware: load a firmware file into the machine's mainboard over Ethernet.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cerrno>
#include <string>
#include <thread>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/machine_address.h"
#include "cli/machine_session.h"
#include "link/command_protocol.h"
#include "link/firmware_log.h"
#include "link/firmware_menu.h"
#include "link/firmware_update.h"
#include "link/link_result.h"
#include "link/machine_link.h"
#include "link/quiet_station_host.h"
#include "settings/localized.h"
#include "settings/regular_file.h"

namespace pv::cli {
namespace {

int RunFirmware(CliContext& ctx);

const std::string kUsage = std::string(
    "usage: firmware FILE (--machine HOST[:PORT] | --usb) [--timeout MS] [--ini PATH]\n"
    "                [--set KEY=VALUE]...\n"
    "\n"
    "Connects to the machine, checks that its firmware can be updated over the\n"
    "link, and sends FILE (40960 to 131072 bytes) page by page.  The\n"
    "time-stamped progress lines go to stdout.  Firmware goes over Ethernet\n"
    "only: over USB the machine is asked and the update refused.  The\n"
    "four-head machine's firmware is not loaded over the link.\n"
    "\n"
    "  --machine HOST[:PORT]  the machine over Ethernet (default port: the edition's)\n"
    "  --usb                  the machine over USB\n"
    "  --timeout MS           wait at most MS for the connection and each reply\n"
    "\n"
    "Exit status 2 when FILE cannot be read or is not a firmware image, 4\n"
    "offline, 5 not supported or the update failed.\n\n") +
    kExitStatusTable;

const CliCommand kCommand{65, "firmware", "load a firmware file (*.kxfw) into the machine", kUsage.c_str(),
                          RunFirmware};

const CommandRegistrar kRegistrar(kCommand);

int RunFirmware(CliContext& ctx) {
    auto options = ParseOptions(ctx, kCommand, OptionTable::OneFile(kMachineValued, kMachineFlags));
    if (!options) return kExitUsage;
    AppSettings loaded;
    int status = kExitOk;
    const auto target = LoadMachineTarget(ctx, "firmware", *options, false, loaded, status);
    if (!target) return status;
    const int lang = loaded.Language;
    const std::string& file = options->positional[0];
    {
        // Checked before the machine is reached; a pipe is refused, not waited on.
        RegularFile probe;
        const RegularFileResult opened = probe.Open(file);
        if (opened != RegularFileResult::Ok) {
            std::fprintf(stderr, "%s firmware: %s %s\n", ctx.programName.c_str(), file.c_str(),
                         RegularFileProblem(opened, errno).c_str());
            return kExitInputUnreadable;
        }
    }

    MachineSession session(ctx, "firmware", *target, loaded);
    if (const int connected = session.Connect(); connected != kExitOk) return connected;
    const FirmwareMenuAnswer answer = AnswerFirmwareMenu(ctx.edition, true, session.params.Get(), !target->usb, lang);
    if (!answer.message.empty()) std::fprintf(stderr, "%s\n", answer.message.c_str());
    if (!answer.openDialog) {
        if (answer.message.empty())
            std::fprintf(stderr, "%s firmware: the four-head machine's firmware is not loaded over the link\n",
                         ctx.programName.c_str());
        return kExitRefused;
    }

    FirmwareLog log;
    log.Log(Localized(lang, "选择固件文件，然后点击升级按钮", "Select firmware file,then press upgrade button"));
    FirmwareUpdate update(session.commu(), log, lang);
    std::atomic<int> result{FirmwareUpdate::kSendFailed};
    std::atomic<bool> done{false};
    std::jthread worker([&] {
        result = update.UpdateFirmware(file);
        done = true;
    });
    // The dialog's timer: every 100 ms the waiting lines go out.
    auto drain = [&log] {
        while (auto entry = log.Take()) std::printf("%s\n", entry->text.c_str());
        std::fflush(stdout);
    };
    while (!done.load()) {
        drain();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    worker.join();
    drain();
    switch (result.load()) {
    case FirmwareUpdate::kUpdated: return kExitOk;
    case FirmwareUpdate::kCannotOpen:
    case FirmwareUpdate::kInvalidFile: return kExitInputUnreadable;
    default: return kExitRefused;
    }
}

}  // namespace
}  // namespace pv::cli
