#include "link/machine_address_change.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "link/command_protocol.h"

namespace pv {

AddressChange ApplyMachineAddress(LinkState& state, SharedRecord<AppSettings>& settings, std::int32_t address) {
    state.editMachineIP.store(address);
    if (!state.status.online.load()) {
        settings.Edit([address](AppSettings& s) { s.MachineIP = address; });
        return AddressChange::Stored;
    }
    return state.queue.Push(kWriteMachineIP) == 0 ? AddressChange::Queued : AddressChange::Lost;
}

std::optional<std::string> UnusableMachineAddress(std::int32_t address) {
    const auto a = static_cast<std::uint32_t>(address);
    const std::uint32_t first = a & 0xFF;   // the first dotted part
    if (a == 0) return "the unspecified address";
    if (a == 0xFFFFFFFFu) return "the broadcast address";
    if (first == 0) return "an address of \"this network\" (0.x.x.x)";
    if (first >= 224 && first <= 239) return "a multicast address";
    if (first >= 240) return "a reserved address (240.x.x.x and above)";
    return std::nullopt;
}

std::string DottedAddress(std::int32_t address) {
    const auto a = static_cast<std::uint32_t>(address);
    char text[20];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a & 0xFF, (a >> 8) & 0xFF, (a >> 16) & 0xFF, a >> 24);
    return text;
}

std::vector<std::string> LocalAddresses() {
    std::vector<std::string> out;
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return out;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &found) != 0) return out;
    for (addrinfo* p = found; p != nullptr; p = p->ai_next) {
        char text[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(p->ai_addr)->sin_addr, text, sizeof text))
            out.emplace_back(text);
    }
    freeaddrinfo(found);
    return out;
}

}  // namespace pv
