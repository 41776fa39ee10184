#pragma once
// Loopback ports the system chose, held for as long as a test needs a machine
// that is not there.  A port only looked up and closed again could be given
// to another test's plotter meanwhile (ctest runs the suites side by side);
// a held one cannot.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <thread>

namespace pv::test {

namespace detail {

// A loopback TCP socket bound to `port` (0: any free one), listening when
// asked; -1 when the port cannot be had.
inline int BindLoopback(std::uint16_t& port, bool listening) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    // A port a plotter has just given up keeps its connections in TIME_WAIT.
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    socklen_t len = sizeof a;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || (listening && ::listen(fd, 8) != 0) ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        ::close(fd);
        return -1;
    }
    port = ntohs(a.sin_port);
    return fd;
}

}  // namespace detail

// A machine switched off: the port is bound but nothing listens, so every
// connection is refused at once.  `port` 0 takes any free port; a given one
// holds the port of a plotter that has just stopped until it starts again.
class RefusedPort {
public:
    explicit RefusedPort(std::uint16_t port = 0) : port_(port) {
        fd_ = detail::BindLoopback(port_, false);
        if (fd_ < 0) port_ = 0;
    }
    ~RefusedPort() { Release(); }
    RefusedPort(const RefusedPort&) = delete;
    RefusedPort& operator=(const RefusedPort&) = delete;

    // 0 when no port could be had.
    std::uint16_t port() const { return port_; }
    // Gives the port up, for a plotter that is to listen on it.
    void Release() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    std::uint16_t port_;
    int fd_ = -1;
};

// A machine that takes each connection and hangs up at once without a word.
// It counts its callers, so a test can wait for the link's attempts instead
// of for the clock.
class HangUpPort {
public:
    HangUpPort() {
        fd_ = detail::BindLoopback(port_, true);
        if (fd_ < 0) {
            port_ = 0;
            return;
        }
        thread_ = std::jthread([this](std::stop_token token) {
            while (!token.stop_requested()) {
                pollfd p{fd_, POLLIN, 0};
                if (::poll(&p, 1, 20) <= 0) continue;   // 20 ms: how soon a stop is seen
                const int c = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
                if (c < 0) continue;
                ::close(c);
                ++callers_;
            }
        });
    }
    ~HangUpPort() { Release(); }
    HangUpPort(const HangUpPort&) = delete;
    HangUpPort& operator=(const HangUpPort&) = delete;

    // 0 when no port could be had.
    std::uint16_t port() const { return port_; }
    int Callers() const { return callers_.load(); }
    // Stops answering and gives the port up, for a plotter that is to listen
    // on it.
    void Release() {
        if (thread_.joinable()) {
            thread_.request_stop();
            thread_.join();
        }
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    std::uint16_t port_ = 0;
    int fd_ = -1;
    std::atomic<int> callers_{0};
    std::jthread thread_;
};

}  // namespace pv::test
