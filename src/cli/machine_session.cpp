#include "cli/machine_session.h"

#include <cstdio>

#include "cli/exit_status.h"
#include "link/link_result.h"

namespace pv::cli {

void StderrHost::ShowMessage(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", name_.c_str(), text.c_str());
}

MachineSession::MachineSession(const CliContext& ctx, const char* command, const MachineTarget& target,
                               const AppSettings& loaded)
    : settings(loaded),
      params(MachineParams::Defaults(ctx.edition)),
      ctx_(ctx),
      command_(command),
      target_(target),
      host_(ctx.programName),
      link_(settings, state),
      protocol_(link_.commu(), settings, params, state, host_) {
    ApplyMachineTarget(target_, link_);
}

int MachineSession::Connect() {
    const int r = protocol_.ReadMachineParameters();
    if (r != kLinkOk) return ReportOffline(ctx_, command_, target_, r, link_.commu().LastReply());
    state.status.online = true;
    return kExitOk;
}

}  // namespace pv::cli
