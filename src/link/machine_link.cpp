#include "link/machine_link.h"

#include "link/libusb_device_layer.h"

namespace pv {

namespace {
// 127.0.0.1 with the first dotted part in the lowest byte (the `MachineIP` form).
constexpr std::uint32_t kLoopbackAddress = 0x0100007F;

Edition EditionOf(const SharedRecord<AppSettings>& settings) {
    return settings.Read([](const AppSettings& s) { return s.edition; });
}
}  // namespace

MachineLink::MachineLink(const SharedRecord<AppSettings>& settings, LinkState& state,
                         std::unique_ptr<UsbDeviceLayer> layer)
    : layer_(layer ? std::move(layer) : std::make_unique<LibusbDeviceLayer>()),
      eth_(
          [this, &settings] {
              if (RoutedToLoopback()) return kLoopbackAddress;
              if (pinned_.load()) return pinnedAddress_.load();
              return settings.Read([](const AppSettings& s) { return static_cast<std::uint32_t>(s.MachineIP); });
          },
          Info(EditionOf(settings)).tcpPort),
      usb_(*layer_, kUsbVendor, Info(EditionOf(settings)).usbProduct),
      commu_(
          eth_, usb_,
          [this, &settings] {
              return RoutedToLoopback() || settings.Read([](const AppSettings& s) { return s.ConnectViaEth != 0; });
          },
          state.status, state.printThread) {}

void MachineLink::RouteToLoopback(std::uint16_t port) {
    if (!RoutedToLoopback()) configuredPort_ = eth_.port();
    eth_.SetPort(port);
    loopbackPort_.store(port);
}

void MachineLink::PinAddress(std::uint32_t address) {
    pinnedAddress_.store(address);
    pinned_.store(true);
}

void MachineLink::RouteToConfigured() {
    if (!RoutedToLoopback()) return;
    loopbackPort_.store(0);
    eth_.SetPort(configuredPort_);
}

MachineLink::~MachineLink() = default;

}  // namespace pv
