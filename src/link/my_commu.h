#pragma once
// The one door to the machine.  Every operation picks Ethernet when
// `ConnectViaEth` is 1 and USB otherwise, holds that transport's lock from
// opening through the exchange to the closing decision, and then closes the
// connection again unless a print holds it open:
//
//   operation                         TCP closes when              USB closes when
//   SendCommand, ReadBlock, WriteBlock no print                     no print, or result != 0
//   SendBulk                           no print, or result -1       never here (a failed
//                                                                   transfer closed the device)
//   SendFirmwareData                   no print, or result -1       (nothing is sent over USB)
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "link/machine_status.h"
#include "link/my_eth.h"
#include "link/my_usb.h"

namespace pv {

class CMyCommu {
public:
    // `viaEth` yields the `ConnectViaEth` setting as it is now (asked at
    // every operation); `printThread` is set while a print driver runs.
    CMyCommu(CMyEth& eth, CMyUSB& usb, std::function<bool()> viaEth, MachineStatus& status,
             const std::atomic<bool>& printThread);

    int SendCommand(std::uint8_t code);
    // 0 when exactly `length` (at most 64) bytes arrived, else -1.
    int ReadBlock(std::uint8_t code, std::uint8_t length, std::uint8_t* buffer);
    int WriteBlock(std::uint8_t code, const std::uint8_t* data, std::size_t n);
    long SendBulk(const std::uint8_t* data, std::size_t count);
    // Over USB: sends nothing and returns 0.
    long SendFirmwareData(const std::uint8_t* data, std::size_t count);
    // Drops the chosen transport's connection now (the print driver's way of
    // starting afresh after a failed poll).
    void CloseConnection();
    // The bytes the machine sent back in the chosen transport's last
    // exchange (empty when nothing came), for saying what went wrong.
    std::vector<std::uint8_t> LastReply();

    bool ViaEth() const { return viaEth_(); }
    MachineStatus& status() { return status_; }
    CMyEth& eth() { return eth_; }
    CMyUSB& usb() { return usb_; }

private:
    // The setting is asked once per operation: a change never splits one.
    // The setting is asked once per operation: a change never splits one.
    ByteChannel& Channel(bool eth) { return eth ? static_cast<ByteChannel&>(eth_) : usb_; }
    bool Printing() const { return printThread_.load(); }

    CMyEth& eth_;
    CMyUSB& usb_;
    std::function<bool()> viaEth_;
    MachineStatus& status_;
    const std::atomic<bool>& printThread_;
};

}  // namespace pv
