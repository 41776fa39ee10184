#include "link/status_poller.h"

#include "link/link_result.h"
#include "link/link_wait.h"

namespace pv {

int StatusPoller::PollStatus(std::stop_token token) {
    auto& commu = protocol_.commu();
    auto& status = protocol_.state().status;
    const int r = commu.SendCommand(kCmdStatusPoll);
    if (r != kLinkOk) {
        ++failuresInRow_;
        if (!commu.ViaEth()) {
            if (++usbFailures_ <= kUsbMissesTolerated) return r;
            usbFailures_ = 0;
        }
        status.GoOffline();
        return r;
    }
    usbFailures_ = 0;
    failuresInRow_ = 0;
    LinkWait(token, 1);
    const auto s = status.state.load();
    if (s == kStateReady || s == kStatePaused) protocol_.ReadCarriagePosition();
    return kLinkOk;
}

}  // namespace pv
