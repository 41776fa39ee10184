#include "cli/machine_address.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <charconv>
#include <cstdio>
#include <cstring>

#include "cli/exit_status.h"
#include "link/link_exchange.h"
#include "link/machine_address_change.h"
#include "link/libusb_device_layer.h"
#include "link/machine_link.h"
#include "link/usb_access.h"

namespace pv::cli {

std::optional<MachineAddress> ParseMachineAddress(const std::string& programName, const std::string& value,
                                                  Edition edition) {
    MachineAddress a;
    a.text = value;
    std::string host = value;
    a.port = Info(edition).tcpPort;
    if (const auto colon = value.rfind(':'); colon != std::string::npos) {
        host = value.substr(0, colon);
        const std::string port = value.substr(colon + 1);
        int p = 0;
        const auto r = std::from_chars(port.data(), port.data() + port.size(), p);
        if (r.ec != std::errc() || r.ptr != port.data() + port.size() || p < 1 || p > 65535) {
            std::fprintf(stderr, "%s: --machine wants HOST[:PORT] with a port from 1 to 65535, not '%s'\n",
                         programName.c_str(), value.c_str());
            return std::nullopt;
        }
        a.port = static_cast<std::uint16_t>(p);
    }
    if (host.empty()) {
        std::fprintf(stderr, "%s: --machine wants HOST[:PORT]\n", programName.c_str());
        return std::nullopt;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        std::fprintf(stderr, "%s: cannot find the machine's address %s\n", programName.c_str(), host.c_str());
        return std::nullopt;
    }
    std::uint8_t bytes[4];
    std::memcpy(bytes, &reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr, 4);
    freeaddrinfo(found);
    a.ip = static_cast<std::int32_t>(bytes[0] | static_cast<std::uint32_t>(bytes[1]) << 8 |
                                     static_cast<std::uint32_t>(bytes[2]) << 16 |
                                     static_cast<std::uint32_t>(bytes[3]) << 24);
    return a;
}

std::optional<std::int32_t> ParseDottedAddress(const std::string& text) {
    std::uint32_t address = 0;
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (p == end || *p != '.') return std::nullopt;
            ++p;
        }
        // One to three digits, no sign, no blanks.
        const char* digits = p;
        while (p != end && *p >= '0' && *p <= '9' && p - digits < 4) ++p;
        int v = 0;
        const auto r = std::from_chars(digits, p, v);
        if (p == digits || p - digits > 3 || r.ec != std::errc() || v > 255) return std::nullopt;
        address |= static_cast<std::uint32_t>(v) << (8 * part);
    }
    if (p != end) return std::nullopt;
    return static_cast<std::int32_t>(address);
}

std::optional<MachineTarget> LoadMachineTarget(const CliContext& ctx, const char* command,
                                               const ParsedOptions& options, bool settingsDefault,
                                               AppSettings& settings, int& status) {
    status = kExitUsage;
    MachineTarget target;
    target.usb = options.Has("--usb");
    const auto machineText = options.Value("--machine");
    if (target.usb && machineText) {
        std::fprintf(stderr, "%s %s: --usb and --machine exclude each other\n", ctx.programName.c_str(), command);
        return std::nullopt;
    }
    if (!target.usb && !machineText && !settingsDefault) {
        std::fprintf(stderr, "%s %s: --machine HOST[:PORT] or --usb is missing\n", ctx.programName.c_str(), command);
        return std::nullopt;
    }
    const auto timeout = IntOption(options, "--timeout", 0, 1, 600000);
    if (!timeout) return std::nullopt;
    target.timeoutMs = *timeout;
    if (machineText) {
        auto address = ParseMachineAddress(ctx.programName, *machineText, ctx.edition);
        if (!address) {
            status = kExitBadAddress;
            return std::nullopt;
        }
        target.eth = *address;
        target.named = true;
    }
    if (!LoadCliSettings(ctx, options, settings)) return std::nullopt;
    if (target.usb) {
        settings.ConnectViaEth = 0;
        target.text = "USB";
    } else {
        settings.ConnectViaEth = 1;
        if (machineText) {
            settings.MachineIP = target.eth.ip;
        } else {
            target.eth.ip = settings.MachineIP;
            target.eth.port = Info(ctx.edition).tcpPort;
            target.eth.text = DottedAddress(settings.MachineIP) + ":" + std::to_string(target.eth.port);
        }
        target.text = target.eth.text;
    }
    status = kExitOk;
    return target;
}

void ApplyMachineTarget(const MachineTarget& target, MachineLink& link) {
    link.eth().SetPort(target.eth.port);
    if (!target.usb && target.named) link.PinAddress(static_cast<std::uint32_t>(target.eth.ip));
    if (target.timeoutMs > 0) link.eth().SetTimeouts(target.timeoutMs, target.timeoutMs);
}

std::string UsbAccessProblem(const CliContext& ctx, bool* plugged) {
    LibusbDeviceLayer layer;
    const std::uint16_t product = Info(ctx.edition).usbProduct;
    const UsbAccessReport usb = CheckUsbAccess(layer, kUsbVendor, product);
    if (plugged) *plugged = usb.access != UsbAccess::NoDevice;
    char id[16];
    std::snprintf(id, sizeof id, "%04x:%04x", kUsbVendor, product);
    const std::string group = ctx.programName.substr(0, ctx.programName.find('-'));
    switch (usb.access) {
    case UsbAccess::NoPermission:
        return std::string("the machine's USB device ") + id + " exists but cannot be opened (permission): the " +
               "package's udev rule gives it to the user logged in at the seat and to the group " + group;
    case UsbAccess::Busy:
        return std::string("the machine's USB device ") + id + " exists but is held by another program";
    case UsbAccess::NoDevice:
        return std::string("no device ") + id + " is plugged in";
    default:
        return {};
    }
}

int ReportOffline(const CliContext& ctx, const char* command, const MachineTarget& target, int result,
                  const std::vector<std::uint8_t>& reply) {
    if (target.usb) {
        // "Offline" would send the operator to the machine's switch when the
        // device is there but not theirs to open.
        bool plugged = false;
        const std::string problem = UsbAccessProblem(ctx, &plugged);
        if (plugged && !problem.empty()) {
            std::fprintf(stderr, "%s %s: %s\n", ctx.programName.c_str(), command, problem.c_str());
            return kExitOffline;
        }
        if (!problem.empty()) {
            std::fprintf(stderr, "%s %s: the machine is offline: no answer over USB (result %d; %s)\n",
                         ctx.programName.c_str(), command, result, problem.c_str());
            return kExitOffline;
        }
    }
    const std::string where = target.usb ? "over USB" : "from " + target.text;
    if (!reply.empty()) {
        // The machine is there but its answer cannot be used: say what came.
        std::fprintf(stderr, "%s %s: the machine cannot be used: %s %s (result %d)\n", ctx.programName.c_str(),
                     command, LinkExchange::DescribeFailure(result, reply).c_str(), where.c_str(), result);
        return kExitOffline;
    }
    std::fprintf(stderr, "%s %s: the machine is offline: no answer %s (result %d)\n", ctx.programName.c_str(),
                 command, where.c_str(), result);
    return kExitOffline;
}

}  // namespace pv::cli
