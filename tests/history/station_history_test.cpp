// The station's own seams write the history: the Stop button's code sent
// during a print gives a stopped row with the bands it got to, a finished
// copy carries its drops even with the ink statistic off, and neither
// touches the statistic's counters then.
#include <atomic>
#include <filesystem>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "common/wait_for.h"
#include "emulator/plotter_faults.h"
#include "emulator/virtual_plotter.h"
#include "history/history_query.h"
#include "jobs/headless_station.h"
#include "link/command_protocol.h"
#include "settings/settings_store.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

class StationHistory : public ::testing::Test {
protected:
    // The plotter (with `fault`, if any) and a headless station on `home_`.
    void Start(const std::string& fault = "") {
        VirtualPlotterOptions o;
        o.port = 0;
        if (!fault.empty()) o.faults.push_back(*ParsePlotterFault(fault));
        plotter_.emplace(o);
        ASSERT_TRUE(plotter_->Start()) << plotter_->error();
        station_.settings.Edit([&](AppSettings& s) {
            InitProgramPaths(s, home_.Dir());
            NormaliseDirectories(s);
            s.ConnectViaEth = 1;
            s.MachineIP = 0x0100007F;   // 127.0.0.1
            s.EnableInkVolumStatistic = 0;
        });
        fs::create_directories(station_.settings.Get().AutoDir);
        headless_.emplace(station_, plotter_->port(), [](const std::string&) {});
        headless_->Start();
    }
    void TearDown() override {
        headless_.reset();
        plotter_.reset();
    }
    void DropSquare() {
        fs::copy_file(fs::path(PV_TEST_DATA_DIR) / "cli" / "square.plt",
                      fs::path(station_.settings.Get().AutoDir) / "sq.plt");
    }
    // A drawing 400 mm along the feed: a few dozen bands.
    void DropLongLine() {
        test::WriteAll((fs::path(station_.settings.Get().AutoDir) / "long.plt").string(),
                       "IN;SP1;PU0,0;PD16000,0,16000,400;PU;");
    }
    // The newest row once `done` holds for it (a minute at most).
    std::optional<CopyRecord> NewestWhen(const std::function<bool(const CopyRecord&)>& done) {
        std::optional<CopyRecord> row;
        test::WaitFor([&] {
            const HistoryAnswer a = ReadHistory(home_.Dir(), {}, true, false);
            if (!a.ok || a.rows.empty() || !done(a.rows[0])) return false;
            row = a.rows[0];
            return true;
        }, 1200, 50);
        return row;
    }

    test::ScratchDir home_{"shistory"};
    Station station_{Edition::TwoHead};
    std::optional<VirtualPlotter> plotter_;
    std::optional<HeadlessStation> headless_;
};

TEST_F(StationHistory, TheStopButtonDuringAPrintGivesAStoppedRow) {
    Start("busy=600000@1");   // the copy waits at band 1 until it is stopped
    DropLongLine();
    ASSERT_TRUE(NewestWhen([](const CopyRecord& r) { return r.result == CopyResult::Running; }));
    // the machine holds the copy after its first bands
    ASSERT_TRUE(test::WaitFor([&] { return station_.link.bandInProgress.load() >= 1; }, 1200, 20));
    ASSERT_EQ(station_.link.queue.Push(kCmdStopJob), 0);
    const auto row = NewestWhen([](const CopyRecord& r) { return r.result != CopyResult::Running; });
    ASSERT_TRUE(row);
    EXPECT_EQ(row->result, CopyResult::Stopped);
    EXPECT_GE(row->bandsSent, 1);
    EXPECT_LT(row->bandsSent, row->bandsTotal / 2) << row->bandsTotal;
    EXPECT_EQ(row->origin, JobOrigin::AutoFolder);
}

TEST_F(StationHistory, AFinishedCopyCarriesItsDropsWithTheStatisticOff) {
    Start();
    DropSquare();
    const auto row = NewestWhen([](const CopyRecord& r) { return r.result != CopyResult::Running; });
    ASSERT_TRUE(row);
    EXPECT_EQ(row->result, CopyResult::Finished);
    EXPECT_GT(row->drops[0] + row->drops[1], 0);
    EXPECT_EQ(row->bandsSent, row->bandsTotal);
    EXPECT_GT(row->paperMm, 10.0);
    EXPECT_GT(row->knifeMm, 40.0);
    EXPECT_NE(row->contentHash, "");
    headless_->Stop();
    const AppSettings after = station_.settings.Get();
    EXPECT_EQ(after.DropCountIB1, 0);   // the statistic is off: its counters stay
    EXPECT_EQ(after.DropCountIB2, 0);
}

}  // namespace
}  // namespace pv
