// firmware: load a firmware file into the machine's mainboard over Ethernet.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/machine_address.h"
#include "link/command_protocol.h"
#include "link/firmware_log.h"
#include "link/firmware_menu.h"
#include "link/firmware_update.h"
#include "link/link_result.h"
#include "link/machine_link.h"
#include "link/quiet_station_host.h"
#include "settings/localized.h"

namespace pv::cli {
namespace {

int RunFirmware(CliContext& ctx);

const CliCommand kCommand{
    65, "firmware", "load a firmware file (*.kxfw) into the machine",
    "usage: firmware FILE --machine HOST[:PORT] [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Connects to the machine over Ethernet, checks that its firmware can be\n"
    "updated over the link, and sends FILE (40960 to 131072 bytes) page by\n"
    "page.  The time-stamped progress lines go to stdout.  The four-head\n"
    "machine's firmware is not loaded over the link.\n"
    "\n"
    "Exit status: 0 updated, 1 bad arguments, 3 offline, not supported or the\n"
    "update failed.\n",
    RunFirmware};

const CommandRegistrar kRegistrar(kCommand);

constexpr int kExitFailed = 3;

// Messages raised by the link go to stderr.
class QuietHost : public QuietStationHost {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

int RunFirmware(CliContext& ctx) {
    auto options = ParseOptions(ctx, kCommand, OptionTable::OneFile({"--machine"}));
    if (!options) return 1;
    const auto machineText = RequiredOption(ctx, kCommand, *options, "--machine", "HOST[:PORT]", false);
    if (!machineText) return 1;
    AppSettings loaded;
    const auto machine = LoadMachineSettings(ctx, *options, *machineText, loaded);
    if (!machine) return 1;
    const int lang = loaded.Language;

    LinkState state;
    QuietHost host;
    SharedRecord<AppSettings> settings(loaded);
    SharedRecord<MachineParams> params(MachineParams::Defaults(ctx.edition));
    MachineLink link(settings, state);
    link.eth().SetPort(machine->port);
    CommandProtocol protocol(link.commu(), settings, params, state, host);
    const bool online = protocol.ReadMachineParameters() == kLinkOk;
    const FirmwareMenuAnswer answer = AnswerFirmwareMenu(ctx.edition, online, params.Get(), true, lang);
    if (!answer.message.empty()) std::fprintf(stderr, "%s\n", answer.message.c_str());
    if (!answer.openDialog) {
        if (online && answer.message.empty())
            std::fprintf(stderr, "%s firmware: the four-head machine's firmware is not loaded over the link\n",
                         ctx.programName.c_str());
        return kExitFailed;
    }

    FirmwareLog log;
    log.Log(Localized(lang, "选择固件文件，然后点击升级按钮", "Select firmware file,then press upgrade button"));
    FirmwareUpdate update(link.commu(), log, lang);
    std::atomic<int> result{FirmwareUpdate::kSendFailed};
    std::atomic<bool> done{false};
    std::jthread worker([&] {
        result = update.UpdateFirmware(options->positional[0]);
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
    return result == FirmwareUpdate::kUpdated ? 0 : kExitFailed;
}

}  // namespace
}  // namespace pv::cli
