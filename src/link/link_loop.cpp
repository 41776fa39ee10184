#include "link/link_loop.h"

#include "link/link_result.h"
#include "link/link_wait.h"
#include "settings/localized.h"

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

std::string LinkLoop::ForeignJobMessage(int language) {
    return Localized(language,
                     "机器正在执行一个不是本程序启动的任务（可能是程序上次被中断时留下的），"
                     "本程序要等它结束后才能打印。若要结束该任务，请按“停止”。",
                     "The machine is working on a job this station did not start (probably one left when the "
                     "station was stopped during a print); nothing is printed until it ends. To end it, press "
                     "Stop.");
}

void LinkLoop::CheckForeignJob() {
    if (!firstPollDue_) return;
    firstPollDue_ = false;
    const auto s = protocol_.state().status.state.load();
    if (s == kStateWorking || s == kStatePaused) protocol_.host().ShowMessage(ForeignJobMessage(protocol_.Language()));
}

void LinkLoop::Run(std::stop_token token) {
    LinkState& state = protocol_.state();
    state.queue.Clear();
    int passes = 0;
    while (!token.stop_requested() && !state.stopRequested.load()) {
        if (!state.status.online.load()) {
            if (protocol_.ReadMachineParameters(token) == kLinkOk) {
                state.status.online.store(true);
                // The machine's state is asked at once, not at the end of
                // the first round of passes.
                firstPollDue_ = true;
                passes = kPassesBetweenPolls + 1;
            }
            LinkWait(token, kOfflinePauseMs);
        } else if (state.printThread.load()) {
            firstPollDue_ = false;   // a job of ours: the machine works for us
            LinkWait(token, kPrintingPauseMs);
        } else {
            ProcessQueue(protocol_, token);
            LinkWait(token, kPassPauseMs);
            if (passes++ > kPassesBetweenPolls) {
                if (poller_.PollStatus(token) == kLinkOk) CheckForeignJob();
                passes = 0;
            }
        }
    }
}

}  // namespace pv
