#include "link/machine_link.h"

#include "link/libusb_device_layer.h"

namespace pv {

namespace {
Edition EditionOf(const SharedRecord<AppSettings>& settings) {
    return settings.Read([](const AppSettings& s) { return s.edition; });
}
}  // namespace

MachineLink::MachineLink(const SharedRecord<AppSettings>& settings, LinkState& state,
                         std::unique_ptr<UsbDeviceLayer> layer)
    : layer_(layer ? std::move(layer) : std::make_unique<LibusbDeviceLayer>()),
      eth_([&settings] { return settings.Read([](const AppSettings& s) { return static_cast<std::uint32_t>(s.MachineIP); }); },
           Info(EditionOf(settings)).tcpPort),
      usb_(*layer_, kUsbVendor, Info(EditionOf(settings)).usbProduct),
      commu_(
          eth_, usb_, [&settings] { return settings.Read([](const AppSettings& s) { return s.ConnectViaEth != 0; }); },
          state.status, state.printThread) {}

MachineLink::~MachineLink() = default;

}  // namespace pv
