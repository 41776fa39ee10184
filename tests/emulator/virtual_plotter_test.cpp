// The virtual plotter's own behaviour: states, fault words, hostile input.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <random>

#include "link/link_result.h"
#include "link/link_test_util.h"

namespace pv::test {
namespace {

TEST(VirtualPlotter, FaultWordsAreParsedOrRefused) {
    struct Case {
        const char* word;
        bool ok;
        FaultKind kind;
        std::int64_t n, ms;
    } cases[] = {
        {"refuse-bulk=3", true, FaultKind::RefuseBulk, 3, 0},
        {"busy=250", true, FaultKind::Busy, 0, 250},
        {"busy=250@7", true, FaultKind::Busy, 7, 250},
        {"silent=4", true, FaultKind::Silent, 4, 10000},
        {"silent=4:900", true, FaultKind::Silent, 4, 900},
        {"leave-after-band=0", true, FaultKind::LeaveAfterBand, 0, 0},
        {"drop-after=0", false, FaultKind::DropAfter, 0, 0},
        {"bad-code=", false, FaultKind::BadCode, 0, 0},
        {"bad-code=-1", false, FaultKind::BadCode, 0, 0},
        {"bad-code=1x", false, FaultKind::BadCode, 0, 0},
        {"busy=@3", false, FaultKind::Busy, 0, 0},
        {"melt=1", false, FaultKind::Busy, 0, 0},
        {"refuse-bulk", false, FaultKind::Busy, 0, 0},
    };
    for (const auto& c : cases) {
        const auto f = ParsePlotterFault(c.word);
        ASSERT_EQ(f.has_value(), c.ok) << c.word;
        if (!f) continue;
        EXPECT_EQ(f->kind, c.kind) << c.word;
        EXPECT_EQ(f->n, c.n) << c.word;
        EXPECT_EQ(f->ms, c.ms) << c.word;
    }
}

TEST(VirtualPlotter, CommandsMoveTheMachineThroughItsStates) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    auto& commu = s.link->commu();
    auto state = [&] { return s.state.status.state.load(); };
    EXPECT_EQ(commu.SendCommand(kCmdStatusPoll), kLinkOk);
    EXPECT_EQ(state(), kStateReady);
    // No job: pause and job complete change nothing, bulk data is refused.
    EXPECT_EQ(commu.SendCommand(kCmdPause), kLinkOk);
    EXPECT_EQ(state(), kStateReady);
    std::vector<std::uint8_t> data(100, 1);
    EXPECT_EQ(commu.SendBulk(data.data(), data.size()), kLinkFailed);
    EXPECT_EQ(s.protocol->SendJobStart({8000, 100}), kLinkOk);
    EXPECT_EQ(state(), kStateWorking);
    EXPECT_EQ(commu.SendCommand(kCmdPause), kLinkOk);
    EXPECT_EQ(state(), kStatePaused);
    EXPECT_EQ(commu.SendCommand(kCmdResume), kLinkOk);
    EXPECT_EQ(state(), kStateWorking);
    EXPECT_EQ(commu.SendCommand(kCmdStopJob), kLinkOk);
    EXPECT_EQ(state(), kStateReady);
    ASSERT_EQ(plotter->machine().FinishedJobs().size(), 1u);
    EXPECT_EQ(plotter->machine().FinishedJobs()[0]->ending, "stopped");
    EXPECT_EQ(s.protocol->ReadCarriagePosition(), kLinkOk);
    EXPECT_TRUE(s.state.status.carriagePosNew.load());
}

TEST(VirtualPlotter, MachineTimeMakesItBusyAfterABandAndCleaningTakesAWhile) {
    for (double speed : {0.0, 1.0}) {
        PlotterMachine m(Edition::TwoHead, speed, {}, false);
        const std::uint8_t start[] = {0x52, 12, 0x20, 0, 0x40, 0x1F, 0, 0, 0x10, 0x27, 0, 0};   // 8000, 10000
        EXPECT_EQ(m.HandleFrame(start, sizeof start, kLoopback).bytes, (std::vector<std::uint8_t>{0x52, 5, 0x20, 3, 0}));
        std::vector<std::uint8_t> packet(1400, 0);
        EXPECT_EQ(m.HandleBulkPacket(packet.data(), packet.size()).bytes, std::vector<std::uint8_t>{3});
        const std::uint8_t header[] = {0x52, 10, 0x21, 0, 0, 0, 0, 0, 0, 1};
        const auto reply = m.HandleFrame(header, sizeof header, kLoopback).bytes;
        ASSERT_EQ(reply.size(), 5u);
        EXPECT_EQ(reply[3], kStateWorking);
        EXPECT_EQ(reply[4], speed > 0 ? 1 : 0) << speed;   // a sweep of 10000 columns takes seconds

        const std::uint8_t stop[] = {0x50, 3, kCmdStopJob};
        m.HandleFrame(stop, sizeof stop, kLoopback);
        const std::uint8_t clean[] = {0x50, 3, kCmdCleanHeads};
        EXPECT_EQ(m.HandleFrame(clean, sizeof clean, kLoopback).bytes[3], speed > 0 ? kStateCleaning : kStateReady);
    }
}

TEST(VirtualPlotter, HostileBytesNeverStopItAnswering) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    std::mt19937 random(5);
    for (int round = 0; round < 20; ++round) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        timeval tv{0, 100 * 1000};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(plotter->port());
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to), 0);
        std::vector<std::uint8_t> junk(static_cast<std::size_t>(random() % 5000 + 1));
        for (auto& b : junk) b = static_cast<std::uint8_t>(random());
        // Frame heads with odd lengths now and then.
        if (round % 3 == 0) junk[0] = 0x52, junk[1] = static_cast<std::uint8_t>(round);
        if (round % 3 == 1) junk[0] = 0x51, junk[1] = 4, junk[2] = 19, junk[3] = 255;
        send(fd, junk.data(), junk.size(), MSG_NOSIGNAL);
        std::uint8_t reply[4096];
        while (recv(fd, reply, sizeof reply, 0) > 0) {
        }
        close(fd);
    }
    Station s(plotter->port());
    EXPECT_EQ(s.protocol->ReadMachineParameters(), kLinkOk);
    EXPECT_EQ(s.link->commu().SendCommand(kCmdStatusPoll), kLinkOk);
}

}  // namespace
}  // namespace pv::test
