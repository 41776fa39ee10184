#include "link/machine_link.h"

#include "link/libusb_device_layer.h"

namespace pv {

MachineLink::MachineLink(const AppSettings& settings, LinkState& state, std::unique_ptr<UsbDeviceLayer> layer)
    : layer_(layer ? std::move(layer) : std::make_unique<LibusbDeviceLayer>()),
      eth_([&settings] { return static_cast<std::uint32_t>(settings.MachineIP); }, Info(settings.edition).tcpPort),
      usb_(*layer_, kUsbVendor, Info(settings.edition).usbProduct),
      commu_(eth_, usb_, settings.ConnectViaEth, state.status, state.printThread) {}

MachineLink::~MachineLink() = default;

}  // namespace pv
