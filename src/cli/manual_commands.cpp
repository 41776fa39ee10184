#include "cli/manual_commands.h"

#include "link/command_protocol.h"
#include "link/machine_status.h"

namespace pv::cli {

namespace {

const ManualCommand kCommands[] = {
    {"feed", kCmdPaperFeed, true, "feed the paper forwards until stop-jog"},
    {"back", kCmdPaperBack, true, "feed the paper backwards until stop-jog"},
    {"left", kCmdCarriageLeft, true, "move the carriage left until stop-jog"},
    {"right", kCmdCarriageRight, true, "move the carriage right until stop-jog"},
    {"stop-jog", kCmdStopJog, false, "stop the paper or the carriage"},
    {"test", kCmdCleanHeads, false, "clean the heads (head test)"},
    {"cut-off", kCmdCutPaperOff, false, "cut the paper off"},
    {"knife-on", kCmdKnifeDown, false, "knife down"},
    {"knife-off", kCmdKnifeUp, false, "knife up"},
    {"fan-on", kCmdFanOn, false, "fan on"},
    {"fan-off", kCmdFanOff, false, "fan off"},
    {"pause", kCmdPause, false, "pause the job"},
    {"resume", kCmdResume, false, "resume the paused job"},
    {"stop", kCmdStopJob, false, "stop the job"},
    {"reset", kCmdReset, false, "return to the zero point"},
};

}  // namespace

std::span<const ManualCommand> ManualCommands() { return kCommands; }

const ManualCommand* FindManualCommand(std::string_view name) {
    for (const auto& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

const char* MachineStateName(int state) {
    switch (state) {
    case kStateInitialising: return "initialising";
    case kStateReady: return "ready";
    case kStateCleaning: return "cleaning";
    case kStateWorking: return "working";
    case kStatePaused: return "paused";
    case kStateMemoryError: return "memory error";
    case kStateSeekingZero: return "seeking zero";
    case kStateCuttingPaper: return "cutting paper";
    case kStateReadingParams: return "reading parameters";
    default: return "error";
    }
}

}  // namespace pv::cli
