// The station answering the job list with real files and a scripted driver.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "jobs/dir_scanner.h"
#include "jobs/station.h"
#include "link/station_host.h"
#include "output/band_result.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

class CountingStarter : public PrintStarter {
public:
    int starts = 0;
    bool PrintDriverRunning() const override { return false; }
    bool StartPrintDriver(OutputStation&) override {
        ++starts;
        return true;
    }
};

const std::string kSquare = std::string(PV_TEST_DATA_DIR) + "/cli/square.plt";

TEST(Station, AddedFileCanBeUndoneOnlyToAnEarlierState) {
    Station st(Edition::TwoHead);
    std::vector<std::string> shown;
    st.messages = [&](const std::string& m) { shown.push_back(m); };
    ASSERT_TRUE(st.AddFile(kSquare));
    EXPECT_EQ(st.jobs.OpenedJobs[0]->fileName, "square.plt");
    EXPECT_EQ(st.undo.Count(), 2u);
    EXPECT_TRUE(st.Undo());
    EXPECT_EQ(st.jobs.Count(), 1);   // both snapshots hold the file
    ASSERT_TRUE(st.AddFile(kSquare));
    EXPECT_TRUE(st.Undo());
    EXPECT_EQ(st.jobs.Count(), 2);   // the second add's twin snapshot
    EXPECT_TRUE(st.Undo());
    EXPECT_EQ(st.jobs.Count(), 1);
    st.settings.Edit([](AppSettings& a) { a.Language = 0; });
    EXPECT_FALSE(st.AddFile("/nonexistent/x.plt"));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), "文件打开失败!");
}

TEST(Station, AWatchedJobIsReadAndPreparedWhenTheMachineIsReady) {
    const test::ScratchDir scratch("station");
    const fs::path& dir = scratch.Path();
    fs::copy_file(kSquare, dir / "sq.plt");
    Station st(Edition::FourHead);
    CountingStarter starter;
    st.printStarter = &starter;
    DirScanner scanner;
    scanner.ScanDirectory(dir.string(), "*.plt;", st.jobs.AutoDirJobs);
    scanner.ScanDirectory(dir.string(), "*.plt;", st.jobs.AutoDirJobs);
    ASSERT_EQ(st.jobs.AutoDirJobs.size(), 1u);
    EXPECT_EQ(st.jobs.StartNextJob(), -1);   // machine not ready
    st.link.status.state = kStateReady;
    st.link.stopRequested = true;
    EXPECT_EQ(st.jobs.StartNextJob(), -1);
    st.link.stopRequested = false;
    EXPECT_EQ(st.jobs.StartNextJob(), 0);
    EXPECT_EQ(starter.starts, 1);
    const COnePage& job = *st.jobs.AutoDirJobs[0];
    EXPECT_EQ(job.jobState, kJobPrinting);
    EXPECT_FALSE(job.curves.empty());
    EXPECT_GT(job.maxX, 0);
    EXPECT_GT(st.output.BandCount, 0);
}

// A job refused for its scale correction stays queued and is tried at every
// refresh; the operator is told once, until the correction is mended.
TEST(Station, AJobRefusedForItsScaleIsReportedOnceAndPrintsOnceMended) {
    Station st(Edition::TwoHead);
    CountingStarter starter;
    st.printStarter = &starter;
    st.settings.Edit([](AppSettings& s) {
        s.RatioSaveTo = 1;
        s.Measure10000X = 100;   // 10 mm for 1000 mm: a hundred times too long
    });
    ASSERT_TRUE(st.AddFile(kSquare));
    st.jobs.OpenedJobs[0]->queued = 1;
    std::vector<std::string> shown;   // from here on (the reading has its own)
    st.messages = [&](const std::string& m) { shown.push_back(m); };
    st.link.status.state = kStateReady;
    for (int tick = 0; tick < 3; ++tick) st.jobs.StartNextJob();
    EXPECT_EQ(starter.starts, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("Measure10000X"), std::string::npos) << shown[0];
    EXPECT_EQ(st.jobs.OpenedJobs[0]->jobState, kJobWaiting);

    st.settings.Edit([](AppSettings& s) { s.Measure10000X = 10000; });
    EXPECT_EQ(st.jobs.StartNextJob(), 0);
    EXPECT_EQ(starter.starts, 1);
    EXPECT_EQ(shown.size(), 1u);
}

TEST(Station, TheEndOfAPrintReleasesThePreparedPageAndTheKnifeRecords) {
    Station st(Edition::TwoHead);
    CountingStarter starter;
    st.printStarter = &starter;
    st.settings.Edit([](AppSettings& s) {
        s.LineToDot = 1;     // every line becomes knife records
        s.PlotCutLine = 1;   // and is inked as well
    });
    ASSERT_TRUE(st.AddFile(kSquare));
    st.jobs.OpenedJobs[0]->queued = 1;
    st.link.status.state = kStateReady;
    ASSERT_EQ(st.jobs.StartNextJob(), 0);
    ASSERT_FALSE(st.output.PrintPage.curves.empty());
    ASSERT_GT(st.output.Cuts().Records().capacity(), 0u);
    ASSERT_EQ(st.output.BuildBand(1), kBandOk);
    const std::int32_t columns = st.output.ColumnCount;

    st.jobs.FinishCopy(kPrintDone);
    EXPECT_EQ(st.output.PrintPage.curves.capacity(), 0u);
    EXPECT_EQ(st.output.Cuts().Records().capacity(), 0u);
    EXPECT_EQ(st.output.Cuts().Wire().size(), 0u);
    EXPECT_EQ(st.output.ColumnCount, columns);   // kept for a count with nothing to count
    // Nothing built from the released page.
    EXPECT_NE(st.output.BuildBand(1), kBandOk);
    EXPECT_EQ(st.jobs.OpenedJobs[0]->jobState, kJobFinished);

    // The next copy is prepared afresh.
    st.jobs.OpenedJobs[0]->copies = 1;
    ASSERT_EQ(st.jobs.StartNextJob(), 0);
    EXPECT_FALSE(st.output.PrintPage.curves.empty());
    EXPECT_EQ(st.output.BuildBand(1), kBandOk);
    EXPECT_EQ(starter.starts, 2);
}

}  // namespace
}  // namespace pv
