#include "link/my_eth.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace pv {

namespace {

bool SetBlocking(int fd, bool blocking) {
    const int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0) return false;
    return fcntl(fd, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK)) == 0;
}

bool SetTimeout(int fd, int option, int ms) {
    timeval tv{};
    tv.tv_sec = ms / 1000;
    tv.tv_usec = (ms % 1000) * 1000;
    return setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv) == 0;
}

}  // namespace

CMyEth::CMyEth(std::function<std::uint32_t()> address, std::uint16_t port)
    : address_(std::move(address)), port_(port) {}

CMyEth::~CMyEth() {
    Close();
    if (socket_ >= 0) ::close(socket_);
}

void CMyEth::SetTimeouts(int ioMs, int connectMs) {
    ioTimeoutMs_ = ioMs > 0 ? ioMs : kIoTimeoutMs;
    connectTimeoutMs_ = connectMs > 0 ? connectMs : kConnectTimeoutMs;
}

int CMyEth::Open() {
    if (connected_) return 0;
    if (socket_ < 0) {
        socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket_ < 0) return -1;
    }
    auto fail = [this] {
        ::close(socket_);
        socket_ = -1;
        return -1;
    };
    if (!SetTimeout(socket_, SO_SNDTIMEO, ioTimeoutMs_) || !SetTimeout(socket_, SO_RCVTIMEO, ioTimeoutMs_))
        return fail();
    // Small frames wait for their reply: do not hold them back.
    const int one = 1;
    setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (!SetBlocking(socket_, false)) return fail();

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_.load());
    // `MachineIP` keeps the first dotted part in its lowest byte, which is
    // the network byte order of the address as laid out in memory.
    const std::uint32_t a = address_();
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(a >> 8),
                                   static_cast<std::uint8_t>(a >> 16), static_cast<std::uint8_t>(a >> 24)};
    static_assert(sizeof to.sin_addr.s_addr == 4);
    std::memcpy(&to.sin_addr.s_addr, bytes, 4);

    if (::connect(socket_, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        if (errno != EINPROGRESS) return fail();
        pollfd p{socket_, POLLOUT, 0};
        int r;
        do {
            r = ::poll(&p, 1, connectTimeoutMs_);
        } while (r < 0 && errno == EINTR);
        if (r <= 0) return fail();
        int err = 0;
        socklen_t len = sizeof err;
        if (getsockopt(socket_, SOL_SOCKET, SO_ERROR, &err, &len) != 0 || err != 0) return fail();
    }
    if (!SetBlocking(socket_, true)) return fail();
    connected_ = true;
    return 0;
}

void CMyEth::Close() {
    if (!connected_) return;
    ::close(socket_);
    socket_ = -1;
    connected_ = false;
}

bool CMyEth::WriteAll(const std::uint8_t* data, std::size_t count) {
    if (!connected_) return false;
    std::size_t sent = 0;
    while (sent < count) {
        const ssize_t n = ::send(socket_, data + sent, count - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

int CMyEth::ReadOnce(std::uint8_t* buffer, std::size_t capacity) {
    if (!connected_) return -1;
    // A reply that comes back within a few microseconds (a bulk packet's
    // acknowledgment on a near machine) is picked up without putting the
    // thread to sleep; a slower one is waited for as usual.
    const auto spinUntil = std::chrono::steady_clock::now() + std::chrono::microseconds(kReplySpinMicros);
    do {
        const ssize_t n = ::recv(socket_, buffer, capacity, MSG_DONTWAIT);
        if (n >= 0) return static_cast<int>(n);
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return -1;
    } while (std::chrono::steady_clock::now() < spinUntil);
    ssize_t n;
    do {
        n = ::recv(socket_, buffer, capacity, 0);
    } while (n < 0 && errno == EINTR);
    return n < 0 ? -1 : static_cast<int>(n);
}

}  // namespace pv
