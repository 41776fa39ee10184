// The operator's new machine address, and the three loops started together.
#include <gtest/gtest.h>

#include "link/link_threads.h"
#include "link/machine_address_change.h"
#include "link/refresh_loop.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

TEST(MachineAddress, OfflineStoresAtOnceOnlineQueuesTheWriteAFullQueueLosesIt) {
    constexpr std::int32_t k10005 = 0x0500000A;   // 10.0.0.5
    EXPECT_EQ(DottedAddress(k10005), "10.0.0.5");
    EXPECT_EQ(DottedAddress(-1342068544), "192.168.1.176");
    {
        LinkState state;
        SharedRecord<AppSettings> settings;
        EXPECT_EQ(ApplyMachineAddress(state, settings, k10005), AddressChange::Stored);
        EXPECT_EQ(settings.Get().MachineIP, k10005);
        EXPECT_EQ(state.queue.Count(), 0);
    }
    {
        LinkState state;
        SharedRecord<AppSettings> settings;
        state.status.online = true;
        EXPECT_EQ(ApplyMachineAddress(state, settings, k10005), AddressChange::Queued);
        EXPECT_EQ(state.queue.Pop(), std::optional<std::uint8_t>(0x23));
        EXPECT_EQ(settings.Get().MachineIP, AppSettings{}.MachineIP);   // moved by the link after the write
        EXPECT_EQ(state.editMachineIP.load(), k10005);
    }
    {
        LinkState state;
        SharedRecord<AppSettings> settings;
        state.status.online = true;
        for (int i = 0; i < 5; ++i) state.queue.Push(5);
        EXPECT_EQ(ApplyMachineAddress(state, settings, k10005), AddressChange::Lost);
        EXPECT_EQ(settings.Get().MachineIP, AppSettings{}.MachineIP);
        EXPECT_EQ(state.editMachineIP.load(), k10005);
    }
}

TEST(LinkThreads, StartTheLoopsAndStopAllOfThem) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    s.state.stopRequested = true;   // left over from an earlier window
    {
        LinkThreads threads(*s.protocol);
        threads.Start();
        EXPECT_FALSE(s.state.stopRequested.load());
        ASSERT_TRUE(WaitFor([&] { return s.state.status.online.load() && s.host.refreshes.load() > 0; }));
        threads.Stop();
        EXPECT_TRUE(s.state.stopRequested.load());
        // What is tested is a span with nothing in it: a loop left running
        // would refresh again once the flag is down.  The span is two turns
        // of a refresh loop of its own, at the same pace.
        s.state.stopRequested = false;
        const int refreshes = s.host.refreshes.load();
        LinkState otherState;
        TestHost otherHost;
        RefreshLoop pace(otherState, otherHost);
        pace.Start();
        ASSERT_TRUE(WaitFor([&] { return pace.Turns() >= 2; }));
        EXPECT_EQ(s.host.refreshes.load(), refreshes);
    }
}

}  // namespace
}  // namespace pv::test
