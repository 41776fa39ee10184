#include "emulator/virtual_plotter.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "emulator/job_recorder.h"
#include "emulator/plotter_wire.h"

namespace pv {

namespace {

constexpr int kPollMs = 50;
constexpr int kSpinMicros = 30;
constexpr std::size_t kReceiveChunk = 64 * 1024;

bool SendAll(int fd, const std::uint8_t* data, std::size_t n) {
    std::size_t sent = 0;
    while (sent < n) {
        const ssize_t r = ::send(fd, data + sent, n - sent, MSG_NOSIGNAL);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        sent += static_cast<std::size_t>(r);
    }
    return true;
}

}  // namespace

VirtualPlotter::VirtualPlotter(VirtualPlotterOptions options)
    : options_(std::move(options)),
      machine_(options_.edition, options_.speed, options_.faults, options_.keepBands || !options_.recordDir.empty()) {
    if (!options_.recordDir.empty()) recorder_ = std::make_unique<JobRecorder>(options_.recordDir, options_.layoutSettings);
}

VirtualPlotter::~VirtualPlotter() { Stop(); }

bool VirtualPlotter::Start() {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    if (inet_pton(AF_INET, options_.bindAddress.c_str(), &addr.sin_addr) != 1) {
        error_ = "not an IPv4 address: " + options_.bindAddress;
        return false;
    }
    const int port = options_.port < 0 ? Info(options_.edition).tcpPort : options_.port;
    if (port > 65535) {
        error_ = "port out of range";
        return false;
    }
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) {
        error_ = std::strerror(errno);
        return false;
    }
    const int one = 1;
    setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(listenFd_, 8) != 0) {
        error_ = std::strerror(errno);
        ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    socklen_t len = sizeof addr;
    getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    acceptThread_ = std::jthread([this](std::stop_token t) { AcceptLoop(t); });
    return true;
}

void VirtualPlotter::Stop() {
    if (acceptThread_.joinable()) {
        acceptThread_.request_stop();
        acceptThread_.join();
    }
    std::list<Connection> connections;
    {
        std::lock_guard guard(connectionsLock_);
        connections.swap(connections_);
    }
    connections.clear();   // each jthread asks its connection to stop and joins
    if (listenFd_ >= 0) ::close(listenFd_);
    listenFd_ = -1;
}

void VirtualPlotter::AcceptLoop(std::stop_token token) {
    while (!token.stop_requested()) {
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, kPollMs) <= 0) continue;
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        const int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        std::lock_guard guard(connectionsLock_);
        // Forget connections that have ended (their threads have returned).
        connections_.remove_if([](const Connection& c) { return c.done->load(); });
        auto done = std::make_shared<std::atomic<bool>>(false);
        connections_.push_back(Connection{done, std::jthread([this, fd, done](std::stop_token t) {
                                              Serve(t, fd, *done);
                                          })});
    }
}

void VirtualPlotter::Serve(std::stop_token token, int fd, std::atomic<bool>& done) {
    sockaddr_in local{};
    socklen_t len = sizeof local;
    getsockname(fd, reinterpret_cast<sockaddr*>(&local), &len);
    std::uint8_t ip[4];
    std::memcpy(ip, &local.sin_addr.s_addr, 4);
    const std::uint32_t localIp = ip[0] | static_cast<std::uint32_t>(ip[1]) << 8 |
                                  static_cast<std::uint32_t>(ip[2]) << 16 | static_cast<std::uint32_t>(ip[3]) << 24;
    std::vector<std::uint8_t> buffer;
    std::vector<std::uint8_t> chunk(kReceiveChunk);
    // Receives wait at most one poll period, so a stop request is noticed
    // while the client is quiet; a busy client costs one call per message.
    timeval tv{0, kPollMs * 1000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    while (!token.stop_requested()) {
        // The next request of a streaming client follows within microseconds:
        // look for it briefly before sleeping on the socket.
        ssize_t n = -1;
        const auto spinUntil = std::chrono::steady_clock::now() + std::chrono::microseconds(kSpinMicros);
        do {
            n = ::recv(fd, chunk.data(), chunk.size(), MSG_DONTWAIT);
        } while (n < 0 && errno == EAGAIN && std::chrono::steady_clock::now() < spinUntil);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) n = ::recv(fd, chunk.data(), chunk.size(), 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
        if (n <= 0) break;
        buffer.insert(buffer.end(), chunk.begin(), chunk.begin() + n);
        if (!Process(fd, buffer, localIp)) break;
    }
    machine_.ConnectionClosed();
    ::close(fd);
    done.store(true);
}

bool VirtualPlotter::Process(int fd, std::vector<std::uint8_t>& buffer, std::uint32_t localIp) {
    while (!buffer.empty()) {
        if (machine_.Silent()) {
            buffer.clear();   // a silent machine takes nothing in
            return true;
        }
        // Bulk packets are 1024 or 1400 bytes and a request never has more
        // bytes behind it before its reply, so a buffer that holds exactly
        // a frame's length is that frame.
        const std::size_t frame = PlotterWire::FrameLength(buffer);
        if (frame != 0 && buffer.size() <= frame) {
            if (buffer.size() < frame) return true;   // the rest of the frame is on its way
            const PlotterReply reply = machine_.HandleFrame(buffer.data(), frame, localIp);
            buffer.clear();
            return Answer(fd, reply);
        }
        if (buffer.size() < 2 && PlotterWire::StartsLikeFrame(buffer[0])) return true;
        const std::size_t packet = machine_.BulkPacketSize();
        if (buffer.size() < packet) return true;
        const PlotterReply reply = machine_.HandleBulkPacket(buffer.data(), packet);
        buffer.erase(buffer.begin(), buffer.begin() + static_cast<long>(packet));
        if (!Answer(fd, reply)) return false;
    }
    return true;
}

bool VirtualPlotter::Answer(int fd, const PlotterReply& reply) {
    if (reply.finished) {
        // The files exist before the machine answers the frame that ended the job.
        if (recorder_) {
            std::lock_guard guard(recordLock_);
            recorder_->Record(*reply.finished);
        }
        ++jobsEnded_;
    }
    if (!reply.bytes.empty() && !SendAll(fd, reply.bytes.data(), reply.bytes.size())) return false;
    return !reply.drop;
}

}  // namespace pv
