// The ink counters grow with the drops of every band a print sends, and only
// while the ink statistic is on.
#include <atomic>
#include <filesystem>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "common/wait_for.h"
#include "jobs/headless_station.h"
#include "emulator/virtual_plotter.h"
#include "settings/settings_store.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

struct Printed {
    std::int64_t head1 = 0;
    std::int64_t head2 = 0;
};

// Prints the square fixture once through the virtual plotter and returns the
// counters afterwards.
Printed PrintSquare(const test::ScratchDir& home, int statisticOn, std::int64_t startCount) {
    VirtualPlotterOptions o;
    o.port = 0;
    VirtualPlotter plotter(o);
    EXPECT_TRUE(plotter.Start()) << plotter.error();

    Station station(Edition::TwoHead);
    station.settings.Edit([&](AppSettings& s) {
        InitProgramPaths(s, home.Dir());
        NormaliseDirectories(s);
        s.ConnectViaEth = 1;
        s.MachineIP = 0x0100007F;   // 127.0.0.1
        s.EnableInkVolumStatistic = statisticOn;
        s.DropCountIB1 = startCount;
        s.DropCountIB2 = startCount;
    });
    const std::string autoDir = station.settings.Get().AutoDir;
    std::atomic<bool> printed{false};
    {
        HeadlessStation headless(station, plotter.port(), [&](const std::string& line) {
            if (line.rfind("printed a copy", 0) == 0) printed = true;
        });
        headless.Start();
        fs::copy_file(fs::path(PV_TEST_DATA_DIR) / "cli" / "square.plt", fs::path(autoDir) / "sq.plt");
        EXPECT_TRUE(test::WaitFor([&] { return printed.load(); }, 1200, 50));   // a minute at most
        headless.Stop();
    }
    const AppSettings after = station.settings.Get();
    return {after.DropCountIB1, after.DropCountIB2};
}

TEST(InkDrops, APrintAddsItsDropsToTheCountersWhileTheStatisticIsOn) {
    test::ScratchDir home("ink");
    const std::int64_t start = 5'000'000'000LL;   // beyond 32 bits
    const Printed on = PrintSquare(home, 1, start);
    EXPECT_GT(on.head1, start);
    EXPECT_GT(on.head2, start);

    test::ScratchDir again("ink");
    const Printed off = PrintSquare(again, 0, start);
    EXPECT_EQ(off.head1, start);
    EXPECT_EQ(off.head2, start);
}

}  // namespace
}  // namespace pv
