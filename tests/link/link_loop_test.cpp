// The link loop, the refresh and housekeeping loops, against the virtual
// plotter.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/housekeeping_loop.h"
#include "link/link_loop.h"
#include "link/link_result.h"
#include "link/refresh_loop.h"
#include "common/loopback_port.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

TEST(LinkLoop, CodesQueuedWhileOfflineAreSentInOrderOnceOnline) {
    // The machine is not there yet: its port hangs up on every caller and
    // counts the link's attempts.
    HangUpPort absent;
    const std::uint16_t port = absent.port();
    ASSERT_NE(port, 0);
    Station s(port, Edition::TwoHead, 300);
    LinkLoop loop(*s.protocol);
    loop.Start();
    // The loop clears the queue before its first attempt; from then on what
    // is queued stays.
    ASSERT_TRUE(WaitFor([&] { return absent.Callers() >= 1; }));
    const std::vector<std::uint8_t> codes{kCmdFanOn, kCmdKnifeDown, kCmdKnifeUp, kCmdFanOff, kCmdCutPaperOff};
    for (auto c : codes) EXPECT_EQ(s.state.queue.Push(c), 0);
    EXPECT_EQ(s.state.queue.Push(kCmdReset), -1);
    // Two more calls: the second begins after the codes were queued, so an
    // offline pass has seen them and left them.
    const int callers = absent.Callers();
    ASSERT_TRUE(WaitFor([&] { return absent.Callers() >= callers + 2; }));
    EXPECT_FALSE(s.state.status.online.load());
    EXPECT_EQ(s.state.queue.Count(), static_cast<int>(codes.size()));

    absent.Release();
    auto plotter = StartPlotter(Edition::TwoHead, {}, {}, port);
    ASSERT_TRUE(plotter);
    ASSERT_TRUE(WaitFor([&] { return plotter->machine().IdleCommands().size() >= codes.size(); }));
    EXPECT_EQ(plotter->machine().IdleCommands(), codes);
    EXPECT_TRUE(s.state.status.online.load());
    // The address the machine reports is the one the link reached.
    EXPECT_EQ(s.settings.Get().MachineIP, kLoopback);
}

TEST(LinkLoop, MissedPollOverEthernetReadsTheParametersAgainBeforeAnyCommand) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    const auto port = plotter->port();
    Station s(port, Edition::TwoHead, 300);
    LinkLoop loop(*s.protocol);
    loop.Start();
    ASSERT_TRUE(WaitFor([&] { return s.state.status.online.load(); }));
    // The loop polls every 102nd pass: wait for one poll to be answered.
    ASSERT_TRUE(WaitFor([&] {
        auto log = plotter->machine().FrameLog();
        return std::count(log.begin(), log.end(), std::pair<std::uint8_t, std::uint8_t>{0x50, 0x3A}) > 0;
    }));
    plotter.reset();
    // The port stays held while the machine is away.
    RefusedPort away(port);
    ASSERT_EQ(away.port(), port);
    ASSERT_TRUE(WaitFor([&] { return !s.state.status.online.load(); }));
    EXPECT_EQ(s.state.status.state.load(), kStateInitialising);
    s.state.queue.Push(kCmdCleanHeads);

    away.Release();
    plotter = StartPlotter(Edition::TwoHead, {}, {}, port);
    ASSERT_TRUE(plotter);
    ASSERT_TRUE(WaitFor([&] { return !plotter->machine().IdleCommands().empty(); }));
    const auto log = plotter->machine().FrameLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], (std::pair<std::uint8_t, std::uint8_t>{0x51, kReadMachineIP}));
    EXPECT_EQ(log[1], (std::pair<std::uint8_t, std::uint8_t>{0x51, kReadAdvParams}));
    EXPECT_EQ(log[2], (std::pair<std::uint8_t, std::uint8_t>{0x51, kReadMachineParams}));
    EXPECT_EQ(log[3], (std::pair<std::uint8_t, std::uint8_t>{0x50, kCmdCleanHeads}));
}

TEST(LinkLoop, ParameterWritesReachTheMachineAndAFailedOneStillMovesTheAddress) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        auto plotter = StartPlotter(e);
        ASSERT_TRUE(plotter);
        Station s(plotter->port(), e);
        ASSERT_EQ(s.protocol->ReadMachineParameters(), kLinkOk);
        MachineParams expected = MachineParams::Defaults(e);
        expected.adv.firmwareFlag = 'Y';
        EXPECT_EQ(s.params.Get(), expected);
        s.params.Edit([](MachineParams& p) {
            p.adv.bandsPerCutSegment = 12;
            p.adv.firmwareFlag = 'Y';
            p.machine.bufferRightMm = 7;
            p.machine.head2PosRight = 200;
        });
        EXPECT_EQ(s.protocol->WriteAdvParams(), kLinkOk);
        EXPECT_EQ(s.protocol->WriteMachineParams(), kLinkOk);
        EXPECT_EQ(plotter->machine().Params(), s.params.Get());

        s.state.editMachineIP = 0x0200007F;   // 127.0.0.2
        EXPECT_EQ(s.protocol->WriteMachineIP(), kLinkOk);
        EXPECT_EQ(plotter->machine().WrittenIp(), 0x0200007F);
        EXPECT_EQ(s.settings.Get().MachineIP, 0x0200007F);
        EXPECT_TRUE(s.host.Messages().empty());
    }
    // Nobody answers: the message, and the new address all the same.
    RefusedPort nobody;
    ASSERT_NE(nobody.port(), 0);
    Station s(nobody.port(), Edition::TwoHead, 300);
    s.state.editMachineIP = 0x0300007F;
    EXPECT_NE(s.protocol->WriteMachineIP(), kLinkOk);
    EXPECT_EQ(s.host.Messages(), std::vector<std::string>{"Failed To Save Parameter!"});
    EXPECT_EQ(s.settings.Get().MachineIP, 0x0300007F);
}

TEST(LinkLoop, ReadingTheParametersStopsAtTheFirstFailure) {
    auto plotter = StartPlotter(Edition::FourHead);   // answers with the four-head sizes
    ASSERT_TRUE(plotter);
    Station s(plotter->port(), Edition::TwoHead);
    const MachineParams before = s.params.Get();
    EXPECT_EQ(s.protocol->ReadMachineParameters(), kLinkFailed);
    EXPECT_EQ(s.params.Get(), before);
}

TEST(LinkLoops, StopPromptlyAndRefreshOnlyWhileNoPrintRuns) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    s.settings.Edit([](AppSettings& a) { a.AutoDelFinish = 1; });
    {
        RefreshLoop refresh(s.state, s.host);
        LinkLoop link(*s.protocol);
        HousekeepingLoop housekeeping(s.state, s.settings, s.host);
        refresh.Start();
        link.Start();
        housekeeping.Start();
        ASSERT_TRUE(WaitFor([&] { return s.host.refreshes.load() >= 1 && s.host.autoScans.load() >= 1; }));
        s.state.printThread = true;
        const int refreshes = s.host.refreshes.load();
        // The turn under way may have looked before the print began; the two
        // after it must not refresh.
        const int turns = refresh.Turns();
        ASSERT_TRUE(WaitFor([&] { return refresh.Turns() >= turns + 3; }));
        EXPECT_LE(s.host.refreshes.load(), refreshes + 1);
        s.state.printThread = false;
        const int during = s.host.refreshes.load();
        EXPECT_TRUE(WaitFor([&] { return s.host.refreshes.load() > during; }));
    }   // the destructors stop and join all three
    EXPECT_GE(s.host.manualScans.load(), 1);
}

TEST(LinkLoops, TheWindowEditsTheSharedRecordsWhileTheLinkReadsAndWritesThem) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    RefreshLoop refresh(s.state, s.host);
    LinkLoop link(*s.protocol);
    HousekeepingLoop housekeeping(s.state, s.settings, s.host);
    refresh.Start();
    link.Start();
    housekeeping.Start();
    // The dialogs' side: page fields and settings change while the loops
    // connect, poll, scan and send the queued parameter writes.
    int round = 0;
    ASSERT_TRUE(WaitFor([&] {
        ++round;
        s.params.Edit([round](MachineParams& p) { p.machine.bufferRightMm = static_cast<std::uint8_t>(round % 50); });
        s.settings.Edit([round](AppSettings& a) {
            a.AutoDelFinish = round % 2;
            a.CutOffDistX = round;
        });
        if (s.state.status.online.load() && s.state.queue.Count() == 0) s.state.queue.Push(kWriteMachineParams);
        return round >= 30 && s.host.autoScans.load() >= 2;
    }));
    s.params.Edit([](MachineParams& p) {
        p.machine.bufferRightMm = 33;
        p.adv.bandsPerCutSegment = 9;
    });
    ASSERT_TRUE(WaitFor([&] { return s.state.queue.Push(kWriteAdvParams) == 0; }));
    ASSERT_TRUE(WaitFor([&] { return s.state.queue.Push(kWriteMachineParams) == 0; }));
    ASSERT_TRUE(WaitFor([&] {
        const MachineParams m = plotter->machine().Params();
        return m.machine.bufferRightMm == 33 && m.adv.bandsPerCutSegment == 9;
    }));
    // The link stored the address the machine reported; the window's edits stayed.
    const AppSettings now = s.settings.Get();
    EXPECT_EQ(now.MachineIP, kLoopback);
    EXPECT_EQ(now.CutOffDistX, round);
}

}  // namespace
}  // namespace pv::test

namespace pv::test {
namespace {

int PollsAnswered(VirtualPlotter& plotter) {
    const auto log = plotter.machine().FrameLog();
    return static_cast<int>(std::count(log.begin(), log.end(), std::pair<std::uint8_t, std::uint8_t>{0x50, 0x3A}));
}

// A station killed mid-print leaves the machine working on its job.  The
// next station to connect must not wait in silence for a machine that never
// becomes ready: it says so once, in the user's language, with what to do.
// A ready machine, and the station's own print, are not reported.
TEST(LinkLoop, AMachineWorkingOnAJobTheStationDidNotStartIsReportedOnce) {
    struct Case {
        bool leftWorking;
        int language;
        const char* says;   // nullptr: nothing is said
    } const cases[] = {
        {true, 1, "press Stop"},
        {true, 0, "请按“停止”"},
        {false, 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        auto plotter = StartPlotter();
        ASSERT_TRUE(plotter);
        if (c.leftWorking) {
            Station killed(plotter->port());
            ASSERT_EQ(killed.protocol->SendJobStart({40000, 100}), kLinkOk);
        }
        Station s(plotter->port());
        s.settings.Edit([&c](AppSettings& a) { a.Language = c.language; });
        LinkLoop loop(*s.protocol);
        loop.Start();
        // Several polls answered after the connection: said once, not per poll.
        ASSERT_TRUE(WaitFor([&] { return PollsAnswered(*plotter) >= 4; }));
        const auto messages = s.host.Messages();
        if (c.says == nullptr) {
            EXPECT_TRUE(messages.empty());
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(c.says), std::string::npos) << messages[0];
        EXPECT_EQ(s.state.status.state.load(), kStateWorking);
    }
}

}  // namespace
}  // namespace pv::test
