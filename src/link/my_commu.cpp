#include "link/my_commu.h"

#include <mutex>

#include "link/link_exchange.h"
#include "link/link_result.h"

namespace pv {

CMyCommu::CMyCommu(CMyEth& eth, CMyUSB& usb, std::function<bool()> viaEth, MachineStatus& status,
                   const std::atomic<bool>& printThread)
    : eth_(eth), usb_(usb), viaEth_(std::move(viaEth)), status_(status), printThread_(printThread) {}

int CMyCommu::SendCommand(std::uint8_t code) {
    const bool eth = ViaEth();
    ByteChannel& ch = Channel(eth);
    std::lock_guard lock(ch.Lock());
    const int r = LinkExchange::SendCommand(ch, code, status_);
    if (!Printing() || (!eth && r != kLinkOk)) ch.Close();
    return r;
}

int CMyCommu::ReadBlock(std::uint8_t code, std::uint8_t length, std::uint8_t* buffer) {
    const bool eth = ViaEth();
    ByteChannel& ch = Channel(eth);
    std::lock_guard lock(ch.Lock());
    const int r = LinkExchange::ReadBlock(ch, code, length, buffer);
    if (!Printing() || (!eth && r != kLinkOk)) ch.Close();
    return r;
}

int CMyCommu::WriteBlock(std::uint8_t code, const std::uint8_t* data, std::size_t n) {
    const bool eth = ViaEth();
    ByteChannel& ch = Channel(eth);
    std::lock_guard lock(ch.Lock());
    const int r = LinkExchange::WriteBlock(ch, code, data, n, status_);
    if (!Printing() || (!eth && r != kLinkOk)) ch.Close();
    return r;
}

long CMyCommu::SendBulk(const std::uint8_t* data, std::size_t count) {
    const bool eth = ViaEth();
    ByteChannel& ch = Channel(eth);
    std::lock_guard lock(ch.Lock());
    const long r = LinkExchange::SendBulk(ch, data, count, status_);
    if (eth && (!Printing() || r == kLinkFailed)) ch.Close();
    return r;
}

long CMyCommu::SendFirmwareData(const std::uint8_t* data, std::size_t count) {
    if (!ViaEth()) return 0;
    std::lock_guard lock(eth_.Lock());
    const long r = LinkExchange::SendFirmwareData(eth_, data, count);
    if (!Printing() || r == kLinkFailed) eth_.Close();
    return r;
}

void CMyCommu::CloseConnection() {
    ByteChannel& ch = Channel(ViaEth());
    std::lock_guard lock(ch.Lock());
    ch.Close();
}

std::vector<std::uint8_t> CMyCommu::LastReply() {
    ByteChannel& ch = Channel(ViaEth());
    std::lock_guard lock(ch.Lock());
    return ch.LastReply();
}

}  // namespace pv
