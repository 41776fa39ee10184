// machine: the machine's state, parameter records, manual commands and
// address, without the window.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "cli/machine_address.h"
#include "cli/machine_fields.h"
#include "cli/machine_session.h"
#include "cli/manual_commands.h"
#include "link/link_exchange.h"
#include "link/link_result.h"
#include "link/machine_address_change.h"
#include "settings/settings_store.h"

namespace pv::cli {
namespace {

#ifdef PV_FOUR_HEAD
constexpr Edition kBuiltEdition = Edition::FourHead;
#else
constexpr Edition kBuiltEdition = Edition::TwoHead;
#endif

int RunMachine(CliContext& ctx);

std::string CommandList() {
    std::string out;
    for (const auto& c : ManualCommands()) {
        char line[120];
        std::snprintf(line, sizeof line, "  %-10s %2u  %s\n", c.name, static_cast<unsigned>(c.code), c.what);
        out += line;
    }
    return out;
}

const std::string kUsage = std::string(
    "usage: machine status                 [MACHINE OPTIONS]\n"
    "       machine params                 [MACHINE OPTIONS]\n"
    "       machine set FIELD=VALUE...     [MACHINE OPTIONS]\n"
    "       machine command NAME [--for MS] [MACHINE OPTIONS]\n"
    "       machine address A.B.C.D        [MACHINE OPTIONS]\n"
    "\n"
    "Talks to the machine without the window.  Each subcommand first reads the\n"
    "machine's address and both parameter records, as the window does when it\n"
    "connects.\n"
    "\n"
    "  status    prints {\"transport\", \"machine\", \"machineIP\", \"online\",\n"
    "            \"state\", \"stateName\", \"busy\", \"carriagePos\" (carriage motor\n"
    "            pulses), \"carriagePosMm\"}\n"
    "  params    prints {\"MachineParaBlock\": {FIELD: value...}, \"AdvParaBlock\":\n"
    "            {...}}, every field the edition's records carry, as stored\n"
    "  set       changes the named fields (stored integers, ranges below),\n"
    "            writes the changed records (0x24, 0x25), reads them back and\n"
    "            prints the fields as the machine now holds them; nothing is\n"
    "            written when any FIELD=VALUE is refused\n"
    "  command   sends one manual command and prints {\"command\", \"code\",\n"
    "            \"state\", \"stateName\", \"busy\"}; --for MS sends stop-jog MS\n"
    "            milliseconds after a jogging command (feed, back, left, right)\n"
    "  address   writes the machine's new IPv4 address (0x23), then stores it\n"
    "            as MachineIP in the settings file, as the window's network\n"
    "            dialog does (also when the write fails); when the machine is\n"
    "            offline only MachineIP is stored (exit status 4)\n"
    "\n"
    "MACHINE OPTIONS:\n"
    "  --machine HOST[:PORT]  the machine over Ethernet (default: the settings'\n"
    "                         MachineIP at the edition's port)\n"
    "  --usb                  the machine over USB instead\n"
    "  --timeout MS           wait at most MS for the connection and for each\n"
    "                         reply over Ethernet (default 5000 and 6000)\n"
    "  --ini PATH             the settings file (default: the program\n"
    "                         directory's); `address` stores MachineIP there\n"
    "  --set KEY=VALUE        change one setting for this run (repeatable)\n"
    "\n"
    "Commands:\n") +
    CommandList() +
    "\nFields and their ranges, as stored:\n" + FieldRangeHelp(kBuiltEdition) + "\n" + kExitStatusTable;

const CliCommand kCommand{85, "machine", "the machine's state, parameters, manual commands and address",
                          kUsage.c_str(), RunMachine};
const CommandRegistrar kRegistrar(kCommand);

// Says what went wrong; returns `status`.
int Fail(const CliContext& ctx, const std::string& what, int status) {
    std::fprintf(stderr, "%s machine: %s\n", ctx.programName.c_str(), what.c_str());
    return status;
}

// A reply that did not come is the machine gone; a wrong reply is a refusal.
int LinkFailureStatus(int result) { return result == kLinkFailed ? kExitOffline : kExitRefused; }

// "result R: what came back" for the messages of a failed exchange.
std::string ResultText(int result, MachineSession& s) {
    return "result " + std::to_string(result) + ": " + LinkExchange::DescribeFailure(result, s.commu().LastReply());
}

int Status(const CliContext& ctx, MachineSession& s) {
    if (const int r = s.Connect(); r != kExitOk) return r;
    if (const int r = s.commu().SendCommand(kCmdStatusPoll); r != kLinkOk)
        return ReportOffline(ctx, "machine", s.target(), r, s.commu().LastReply());
    if (const int r = s.protocol().ReadCarriagePosition(); r != kLinkOk)
        return ReportOffline(ctx, "machine", s.target(), r, s.commu().LastReply());
    const int pulsesPerMm100 = s.params.Read([](const MachineParams& p) { return int{p.adv.carriagePulsesPerMm}; });
    const int state = s.state.status.state.load();
    const std::int32_t pos = s.state.status.carriagePos.load();
    Json j;
    j["transport"] = s.target().usb ? "usb" : "ethernet";
    j["machine"] = s.target().text;
    j["machineIP"] = DottedAddress(s.settings.Read([](const AppSettings& a) { return a.MachineIP; }));
    j["online"] = true;
    j["state"] = state;
    j["stateName"] = MachineStateName(state);
    j["busy"] = s.state.status.busy.load();
    j["carriagePos"] = pos;
    if (pulsesPerMm100 > 0)
        j["carriagePosMm"] = pos / (pulsesPerMm100 / 100.0);
    else
        j["carriagePosMm"] = nullptr;
    return PrintJson(j) ? kExitOk : kExitNotWritten;
}

int Params(const CliContext& ctx, MachineSession& s) {
    if (const int r = s.Connect(); r != kExitOk) return r;
    return PrintJson(ParamsJson(s.params.Get(), ctx.edition)) ? kExitOk : kExitNotWritten;
}

int Set(const CliContext& ctx, MachineSession& s, const std::vector<std::string>& assignments) {
    if (assignments.empty()) return Fail(ctx, "set wants at least one FIELD=VALUE", kExitUsage);
    std::vector<FieldEdit> edits;
    for (const auto& a : assignments) {
        FieldEditParse parsed = ParseFieldEdit(a, ctx.edition);
        if (parsed.status != kExitOk) return Fail(ctx, parsed.message, parsed.status);
        edits.push_back(std::move(parsed.edit));
    }
    if (const int r = s.Connect(); r != kExitOk) return r;
    bool adv = false, machine = false;
    s.params.Edit([&](MachineParams& p) {
        for (const auto& e : edits) {
            ApplyFieldEdit(p, e);
            (e.record == ParamRecordKind::Adv ? adv : machine) = true;
        }
    });
    // The advanced record first, as the miscellaneous page does.
    if (adv) {
        if (const int r = s.protocol().WriteAdvParams(); r != kLinkOk) {
            return Fail(ctx, "the machine refused AdvParaBlock (0x24, " + ResultText(r, s) + ")",
                        LinkFailureStatus(r));
        }
    }
    if (machine) {
        if (const int r = s.protocol().WriteMachineParams(); r != kLinkOk) {
            return Fail(ctx, "the machine refused MachineParaBlock (0x25, " + ResultText(r, s) + ")",
                        LinkFailureStatus(r));
        }
    }
    const MachineParams wanted = s.params.Get();
    if (const int r = s.protocol().ReadMachineParameters(); r != kLinkOk) {
        return Fail(ctx, "the records were written but could not be read back (" + ResultText(r, s) + ")",
                    kExitOffline);
    }
    const MachineParams now = s.params.Get();
    Json j = Json::object();
    int status = kExitOk;
    for (const auto& e : edits) {
        j[e.name] = FieldValue(now, e);
        if (FieldValue(now, e) != FieldValue(wanted, e)) {
            status = Fail(ctx,
                          "the machine did not keep " + e.name + "=" + std::to_string(FieldValue(wanted, e)) +
                              ": it holds " + std::to_string(FieldValue(now, e)),
                          kExitRefused);
        }
    }
    if (!PrintJson(j)) return kExitNotWritten;
    return status;
}

int Command(const CliContext& ctx, MachineSession& s, const std::string& name, std::optional<int> forMs) {
    const ManualCommand* c = FindManualCommand(name);
    if (!c) {
        std::string names;
        for (const auto& m : ManualCommands()) names += std::string(names.empty() ? "" : ", ") + m.name;
        return Fail(ctx, "no command named " + name + "; one of " + names, kExitUsage);
    }
    if (forMs && !c->jog) return Fail(ctx, "--for goes with feed, back, left or right", kExitUsage);
    if (const int r = s.Connect(); r != kExitOk) return r;
    if (const int r = s.commu().SendCommand(c->code); r != kLinkOk) {
        return Fail(ctx, std::string("the machine did not take ") + c->name + " (" + ResultText(r, s) + ")",
                    LinkFailureStatus(r));
    }
    if (forMs) {
        std::this_thread::sleep_for(std::chrono::milliseconds(*forMs));
        if (const int r = s.commu().SendCommand(kCmdStopJog); r != kLinkOk) {
            return Fail(ctx, "stop-jog was not taken (" + ResultText(r, s) + "): the machine may still move",
                        LinkFailureStatus(r));
        }
    }
    const int state = s.state.status.state.load();
    Json j;
    j["command"] = c->name;
    j["code"] = c->code;
    j["state"] = state;
    j["stateName"] = MachineStateName(state);
    j["busy"] = s.state.status.busy.load();
    return PrintJson(j) ? kExitOk : kExitNotWritten;
}

// MachineIP in the settings file (--ini or the program directory's), the
// file's other keys as they were.
bool StoreMachineIP(const CliContext& ctx, const ParsedOptions& options, std::int32_t address) {
    AppSettings file;
    file.edition = ctx.edition;
    InitProgramPaths(file, ctx.programDir);
    const std::string path = options.Value("--ini").value_or(file.SettingsPath());
    LoadSettings(file, path);
    file.MachineIP = address;
    std::string error;
    if (!SaveSettings(file, path, &error)) {
        std::fprintf(stderr, "%s machine: %s not written: %s\n", ctx.programName.c_str(), path.c_str(), error.c_str());
        return false;
    }
    // What the file now holds (saving may have put in the default address).
    std::fprintf(stderr, "%s machine: MachineIP %s stored in %s\n", ctx.programName.c_str(),
                 DottedAddress(file.MachineIP).c_str(), path.c_str());
    return true;
}

int Address(const CliContext& ctx, MachineSession& s, const ParsedOptions& options, const std::string& text) {
    const auto address = ParseDottedAddress(text);
    if (!address)
        return Fail(ctx, "address wants A.B.C.D with four numbers of 0 to 255, not '" + text + "'", kExitBadAddress);
    if (const auto why = UnusableMachineAddress(*address))
        return Fail(ctx, text + " is " + *why + " and cannot be the machine's address: nothing was written",
                    kExitBadAddress);
    if (const int r = s.Connect(); r != kExitOk) {
        // Offline the window changes only the stored address.
        return StoreMachineIP(ctx, options, *address) ? r : kExitNotWritten;
    }
    s.state.editMachineIP.store(*address);
    // Shows "Failed To Save Parameter!" when refused; MachineIP follows anyway.
    const int r = s.protocol().WriteMachineIP();
    if (!StoreMachineIP(ctx, options, *address)) return kExitNotWritten;
    if (r != kLinkOk) return LinkFailureStatus(r);
    std::printf("machine address %s written\n", DottedAddress(*address).c_str());
    return kExitOk;
}

int RunMachine(CliContext& ctx) {
    if (ctx.args.empty()) {
        std::fprintf(stderr, "%s machine: status, params, set, command or address is missing\n",
                     ctx.programName.c_str());
        std::fprintf(stderr, "Try '%s machine --help'.\n", ctx.programName.c_str());
        return kExitUsage;
    }
    const std::string sub = ctx.args[0];
    CliContext subCtx = ctx;
    subCtx.args.erase(subCtx.args.begin());
    OptionTable table;
    table.valued = kSettingsOptions;
    table.valued.insert(table.valued.end(), kMachineValued.begin(), kMachineValued.end());
    table.flags = kMachineFlags;
    if (sub == "status" || sub == "params") {
        table.maxPositional = 0;
    } else if (sub == "set") {
        table.minPositional = 1;
        table.maxPositional = 1000;
    } else if (sub == "command") {
        table.valued.push_back("--for");
        table.minPositional = table.maxPositional = 1;
    } else if (sub == "address") {
        table.minPositional = table.maxPositional = 1;
    } else {
        std::fprintf(stderr, "%s machine: no subcommand %s (status, params, set, command, address)\n",
                     ctx.programName.c_str(), sub.c_str());
        return kExitUsage;
    }
    auto options = ParseOptions(subCtx, kCommand, table);
    if (!options) return kExitUsage;
    std::optional<int> forMs;
    if (options->Has("--for")) {
        const auto ms = IntOption(*options, "--for", 0, 1, 60000);
        if (!ms) return kExitUsage;
        forMs = *ms;
    }
    AppSettings loaded;
    int status = kExitOk;
    const auto target = LoadMachineTarget(ctx, "machine", *options, true, loaded, status);
    if (!target) return status;
    MachineSession session(ctx, "machine", *target, loaded);
    if (sub == "status") return Status(ctx, session);
    if (sub == "params") return Params(ctx, session);
    if (sub == "set") return Set(ctx, session, options->positional);
    if (sub == "command") return Command(ctx, session, options->positional[0], forMs);
    return Address(ctx, session, *options, options->positional[0]);
}

}  // namespace
}  // namespace pv::cli
