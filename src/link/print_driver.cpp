#include "link/print_driver.h"

#include <chrono>
#include <cmath>
#include <optional>

#include "link/link_result.h"
#include "link/link_wait.h"
#include "settings/localized.h"

namespace pv {

PrintDriver::PrintDriver(CommandProtocol& protocol, PrintJobSource& job)
    : protocol_(protocol), job_(job), poller_(protocol) {}

PrintDriver::~PrintDriver() { Stop(); }

void PrintDriver::Start() {
    if (thread_.joinable()) return;
    protocol_.state().printThread.store(true);
    thread_ = std::jthread([this](std::stop_token t) { Run(t); });
}

void PrintDriver::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
}

std::string PrintDriver::message() const {
    std::lock_guard guard(messageLock_);
    return message_;
}

void PrintDriver::SetMessage(const char* chinese, const char* english) {
    std::lock_guard guard(messageLock_);
    message_ = Localized(protocol_.Language(), chinese, english);
}

double PrintDriver::RequiredWidthMm(const MachineParams& params, Edition edition, int columns) {
    const auto& a = params.adv;
    const auto& m = params.machine;
    // A record that cannot describe a sweep (no carriage pulses, no
    // acceleration) makes every job too wide rather than divide by zero.
    if (a.carriagePulsesPerMm == 0 || a.carriageAccel == 0) return INFINITY;
    const double interval = a.fireIntervalPulses;
    const double vc = a.carriageMaxSpeed;
    return interval * columns / (a.carriagePulsesPerMm * 0.01) + m.leftOffsetMm + vc * vc * 0.001 / a.carriageAccel * 5 * 2 +
           m.bidirCorrection * 0.01 + (m.bufferLeftMm + m.bufferRightMm + 8.2) + 0.5;
}

int PrintDriver::Run(std::stop_token token) {
    LinkState& state = protocol_.state();
    state.printThread.store(true);
    const int result = Print(token);
    result_.store(result);
    // The connection a print held open is released before the window hears
    // the result, so the link loop starts from a fresh connection.
    protocol_.commu().CloseConnection();
    state.printThread.store(false);
    finished_.store(true);
    protocol_.host().PrintFinished(result);
    returned_.store(true);
    return result;
}

int PrintDriver::Print(std::stop_token token) {
    // The print works from the records as they are when it starts.
    const MachineParams params = protocol_.params().Get();
    const AppSettings settings = protocol_.settings().Get();
    const Edition edition = protocol_.edition();
    const double width = RequiredWidthMm(params, edition, job_.ColumnCount());
    if (!std::isfinite(width) || static_cast<long long>(width) > params.adv.softLimitMm) {
        protocol_.host().AutoStartOff();
        SetMessage("超出机器幅宽！请重新设置右边据和纸张宽度！",
                   "Plot width (add start position) bigger than machine width!");
        protocol_.host().ShowMessage(message());
        return kPrintFailed;
    }
    const JobStartBlock block =
        CommandProtocol::ComputeJobStart(params, settings, job_.PageMaxX(), job_.ColumnCount());
    if (protocol_.SendJobStart(block) != kLinkOk) {
        SetMessage("发送命令失败，请重试！", "Send command failed,Please retry");
        protocol_.host().ShowMessage(message());
        return kPrintFailed;
    }
    const int streamed = StreamJob(token);
    const std::uint8_t final = streamed == 0 ? kCmdJobComplete : kCmdStopJob;
    const bool delivered = SendFinal(final, token);
    // The four-head machine is not waited for; it reports its state itself.
    if (!IsFourHead(edition) && !token.stop_requested()) WaitUntilIdle(token, delivered ? 0 : final);
    return streamed == 0 ? kPrintDone : kPrintFailed;
}

bool PrintDriver::SendFinal(std::uint8_t code, std::stop_token token) {
    // A machine that did not hear the closing command would wait for data
    // for ever; it is repeated, on a fresh connection, while it fails.
    auto& commu = protocol_.commu();
    for (int attempt = 1; commu.SendCommand(code) != kLinkOk; ++attempt) {
        if (attempt >= kMaxFailedPolls || token.stop_requested() || protocol_.state().stopRequested.load())
            return false;
        commu.CloseConnection();
        LinkWait(token, kReconnectPauseMs);
    }
    return true;
}

int PrintDriver::StreamJob(std::stop_token token) {
    LinkState& state = protocol_.state();
    const int n = job_.BandCount();
    const int p = std::max(job_.BandsPerCutSegment(), 1);
    const int k = (n + p - 1) / p;
    const bool plotOnly = job_.PlotOnly();
    int j = 0;
    int i = 0;
    int bandFailures = 0;
    for (;;) {
        const int ready = WaitForDataReady(token);
        state.bandInProgress.store(j);
        if (ready != 0) return ready;
        if (j > n && i >= k) return 0;
        if (j / p <= i) {
            const int r = protocol_.SendBand(job_, j);
            protocol_.host().BandSent();
            if (r == kLinkOk) {
                ++j;
                bandFailures = 0;
            } else if (r == CommandProtocol::kBandBuildFailed) {
                SetMessage("数据生成失败！", "The band data could not be built!");
                return -1;
            } else if (++bandFailures >= kMaxBandRetries) {
                SetMessage("发送数据失败，请重试！", "Send data failed, please retry!");
                return -1;
            }
        } else {
            if (!plotOnly && protocol_.SendCutSegment(job_, i) != kLinkOk) {
                SetMessage("发送切割数据失败！", "Send cut data failed!");
                return -1;
            }
            ++i;
        }
    }
}

int PrintDriver::WaitForDataReady(std::stop_token token) {
    LinkState& state = protocol_.state();
    auto& commu = protocol_.commu();
    int failures = 0;
    // The machine may stay busy for minutes (a jam, the operator at the
    // machine): the window hears how long every few seconds.
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> busySince;
    int busyReported = 0;   // seconds last reported
    for (;;) {
        if (token.stop_requested() || state.stopRequested.load()) {
            stopped_.store(true);
            SetMessage("打印已停止！", "Printing stopped!");
            return -1;
        }
        if (commu.SendCommand(kCmdStatusPoll) != kLinkOk) {
            state.queue.Clear();
            if (++failures >= kMaxFailedPolls) {
                state.status.GoOffline();
                SetMessage("机器无响应，打印失败！", "The machine does not answer, printing failed!");
                return -1;
            }
            commu.CloseConnection();
            LinkWait(token, kReconnectPauseMs);
            continue;
        }
        failures = 0;
        const auto s = state.status.state.load();
        if (s != kStateWorking && s != kStatePaused) {
            state.queue.Clear();
            SetMessage("机器已退出打印状态！", "The machine has left the printing state!");
            return -1;
        }
        if (const auto code = state.queue.Pop()) {
            if (*code <= kCmdReset) {
                if (*code == kCmdStopJob) stopped_.store(true);
                commu.SendCommand(*code);
            }
            else if (*code == kWriteMachineParams)
                protocol_.WriteMachineParams(token);
        }
        const auto now = state.status.state.load();
        // A machine ready for data gets it at once; the 10 ms pause paces
        // the polls of a busy one.
        if (now == kStateWorking && state.status.busy.load() == 0) return 0;
        if (now == kStateWorking) {
            const auto t = Clock::now();
            if (!busySince) busySince = t;
            const auto busy = std::chrono::duration_cast<std::chrono::seconds>(t - *busySince).count();
            if (busy >= busyReported + kBusyReportSeconds) {
                busyReported = static_cast<int>(busy - busy % kBusyReportSeconds);
                protocol_.host().MachineBusy(busyReported);
            }
        } else {
            busySince.reset();
            busyReported = 0;
        }
        LinkWait(token, kReadyPollMs);
        if (now == kStatePaused) {
            protocol_.ReadCarriagePosition();
            LinkWait(token, kPausedPollMs);
        }
    }
}

void PrintDriver::WaitUntilIdle(std::stop_token token, std::uint8_t undelivered) {
    auto& status = protocol_.state().status;
    for (int r = poller_.PollStatus(token);; r = poller_.PollStatus(token)) {
        const auto s = status.state.load();
        if (r == kLinkOk && undelivered != 0 && (s == kStateWorking || s == kStatePaused)) {
            // The machine answers again but never heard how the job ended.
            if (protocol_.commu().SendCommand(undelivered) == kLinkOk) undelivered = 0;
            if (!LinkWait(token, kIdlePollMs)) return;
            continue;
        }
        if (status.state.load() == kStateReady) return;
        if (token.stop_requested() || protocol_.state().stopRequested.load()) return;
        if (poller_.failuresInRow() >= kMaxFailedPolls) return;
        if (poller_.failuresInRow() > 0) protocol_.commu().CloseConnection();
        LinkWait(token, kIdlePollMs);
    }
}

}  // namespace pv
