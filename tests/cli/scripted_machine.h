#pragma once
// A machine on a loopback socket that answers the way the virtual plotter
// cannot be told to outside a job: one that takes connections and never
// replies, one that answers reads and status polls but refuses every write
// (its status reply does not echo the write's code), one reached through a
// forwarded port that believes it has another address (its address read
// answers 10.20.30.40) and otherwise answers and takes everything, or one
// whose replies are malformed: an address reply one byte short, or status
// replies with the read header in place of the command header.
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "params/machine_params.h"

namespace pv::test {

class ScriptedMachine {
public:
    enum class Mode { Silent, RefusesWrites, ReportsOtherAddress, ShortAddressReply, WrongStatusHeader };

    ScriptedMachine(Mode mode, Edition edition) : mode_(mode), edition_(edition) {
        listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(listen_, 8) != 0 ||
            ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return;
        port_ = ntohs(a.sin_port);
        thread_ = std::jthread([this](std::stop_token token) { Serve(token); });
    }
    ~ScriptedMachine() {
        thread_.request_stop();
        if (thread_.joinable()) thread_.join();
        ::close(listen_);
    }
    int port() const { return port_; }

private:
    void Serve(std::stop_token token) {
        std::vector<int> clients;
        while (!token.stop_requested()) {
            std::vector<pollfd> fds{{listen_, POLLIN, 0}};
            for (int c : clients) fds.push_back({c, POLLIN, 0});
            if (::poll(fds.data(), fds.size(), 50) <= 0) continue;
            if (fds[0].revents & POLLIN) clients.push_back(::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC));
            for (std::size_t i = 1; i < fds.size(); ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
                std::uint8_t frame[256];
                const ssize_t n = ::read(fds[i].fd, frame, sizeof frame);
                if (n <= 0) {
                    ::close(fds[i].fd);
                    std::erase(clients, fds[i].fd);
                } else if (mode_ != Mode::Silent && n >= 3) {
                    const auto reply = Answer(frame);
                    if (::write(fds[i].fd, reply.data(), reply.size()) < 0) continue;
                }
            }
        }
        for (int c : clients) ::close(c);
    }

    std::vector<std::uint8_t> Answer(const std::uint8_t* frame) const {
        const std::uint8_t head = frame[0], code = frame[2];
        const MachineParams defaults = MachineParams::Defaults(edition_);
        if (head == 'Q' && code == 17 && mode_ == Mode::ShortAddressReply) return {127, 0, 0};
        if (head == 'P' && mode_ == Mode::WrongStatusHeader) return {'Q', 5, code, 1, 0};
        if (head == 'Q' && code == 17)
            return mode_ == Mode::ReportsOtherAddress ? std::vector<std::uint8_t>{10, 20, 30, 40}
                                                      : std::vector<std::uint8_t>{127, 0, 0, 1};
        if (head == 'Q' && code == 18) return EncodeAdvParaBlock(defaults.adv, edition_);
        if (head == 'Q' && code == 19) return EncodeMachineParaTransfer(defaults.machine, edition_);
        if (head == 'Q') return std::vector<std::uint8_t>(frame[3], 0);   // any other read: zeros of its length
        if (head == 'R' && mode_ == Mode::RefusesWrites) return {head, 5, static_cast<std::uint8_t>(code ^ 0xFF), 1, 0};
        return {head, 5, code, 1, 0};
    }

    Mode mode_;
    Edition edition_;
    int listen_ = -1;
    int port_ = 0;
    std::jthread thread_;
};

}  // namespace pv::test
