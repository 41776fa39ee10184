#include "link/link_loop.h"

#include "link/link_result.h"
#include "link/link_wait.h"

namespace pv {

LinkLoop::LinkLoop(CommandProtocol& protocol) : protocol_(protocol), poller_(protocol) {}

LinkLoop::~LinkLoop() { Stop(); }

void LinkLoop::Start() {
    if (thread_.joinable()) return;
    thread_ = std::jthread([this](std::stop_token t) { Run(t); });
}

void LinkLoop::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
}

void LinkLoop::ProcessQueue(CommandProtocol& protocol, std::stop_token token) {
    const auto code = protocol.state().queue.Pop();
    if (!code) return;
    if (*code <= kCmdReset)
        protocol.commu().SendCommand(*code);
    else if (*code == kWriteMachineIP)
        protocol.WriteMachineIP(token);
    else if (*code == kWriteAdvParams)
        protocol.WriteAdvParams(token);
    else if (*code == kWriteMachineParams)
        protocol.WriteMachineParams(token);
}

void LinkLoop::Run(std::stop_token token) {
    LinkState& state = protocol_.state();
    state.queue.Clear();
    int passes = 0;
    while (!token.stop_requested() && !state.stopRequested.load()) {
        if (!state.status.online.load()) {
            if (protocol_.ReadMachineParameters(token) == kLinkOk) state.status.online.store(true);
            LinkWait(token, kOfflinePauseMs);
        } else if (state.printThread.load()) {
            LinkWait(token, kPrintingPauseMs);
        } else {
            ProcessQueue(protocol_, token);
            LinkWait(token, kPassPauseMs);
            if (passes++ > kPassesBetweenPolls) {
                poller_.PollStatus(token);
                passes = 0;
            }
        }
    }
}

}  // namespace pv
