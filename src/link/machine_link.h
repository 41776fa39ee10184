#pragma once
// The two transports and the facade over them, as one object the station
// keeps for the whole run.  The TCP transport connects to `MachineIP` at the
// edition's port (or the port set with SetPort); the USB transport looks for
// vendor 0xA728 and the edition's product id.
#include <atomic>
#include <cstdint>
#include <memory>

#include "link/link_state.h"
#include "link/my_commu.h"
#include "link/my_eth.h"
#include "link/my_usb.h"
#include "link/usb_device_layer.h"
#include "settings/app_settings.h"
#include "settings/shared_record.h"

namespace pv {

class MachineLink {
public:
    // Without a device layer the USB transport uses libusb.
    // The edition is read once; `MachineIP` and `ConnectViaEth` are read
    // from `settings` at every connection and every operation.
    MachineLink(const SharedRecord<AppSettings>& settings, LinkState& state,
                std::unique_ptr<UsbDeviceLayer> layer = nullptr);
    ~MachineLink();
    MachineLink(const MachineLink&) = delete;
    MachineLink& operator=(const MachineLink&) = delete;

    CMyCommu& commu() { return commu_; }

    // Sends every operation to a machine on this computer's loopback address
    // at `port`, over TCP whatever `ConnectViaEth` says, without touching the
    // stored settings (the training plotter); `RouteToConfigured` goes back
    // to `MachineIP` and the chosen transport.  Outside a print every
    // operation opens its own connection, so the next one takes the new
    // road; the window does not switch while a print holds a connection.
    void RouteToLoopback(std::uint16_t port);
    void RouteToConfigured();
    bool RoutedToLoopback() const { return loopbackPort_.load() != 0; }
    // The address named for this run (the command-line tool's --machine):
    // every connection goes there, even after the machine reported another
    // address of its own (0x11) and `MachineIP` took it, as through a
    // forwarded port or a tunnel.  `MachineIP` form.
    void PinAddress(std::uint32_t address);
    CMyEth& eth() { return eth_; }
    CMyUSB& usb() { return usb_; }

private:
    std::unique_ptr<UsbDeviceLayer> layer_;
    std::atomic<std::uint16_t> loopbackPort_{0};   // 0: the configured machine
    std::uint16_t configuredPort_ = 0;             // the TCP port to go back to
    std::atomic<bool> pinned_{false};
    std::atomic<std::uint32_t> pinnedAddress_{0};
    CMyEth eth_;
    CMyUSB usb_;
    CMyCommu commu_;
};

}  // namespace pv
