#include "cli/machine_address.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <charconv>
#include <cstdio>
#include <cstring>

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

std::optional<MachineAddress> LoadMachineSettings(const CliContext& ctx, const ParsedOptions& options,
                                                  const std::string& machineText, AppSettings& settings) {
    auto machine = ParseMachineAddress(ctx.programName, machineText, ctx.edition);
    if (!machine || !LoadCliSettings(ctx, options, settings)) return std::nullopt;
    settings.ConnectViaEth = 1;
    settings.MachineIP = machine->ip;
    return machine;
}

}  // namespace pv::cli
