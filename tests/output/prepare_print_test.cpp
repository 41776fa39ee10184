#include "output/print_preparation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "common/scratch_dir.h"
#include "cut_test_util.h"
#include "output/band_result.h"
#include "output/plt_writer.h"
#include "prepare_test_util.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::MakePage;

class PreparePrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.CleanAtStart = 0;
        params = MachineParams::Defaults(Edition::TwoHead);
    }
    PrepareResult Prepare(const COnePage& job) {
        return PreparePrint(job, settings, params, station, starter, clock, [this](const std::string& m) {
            messages.push_back(m);
        });
    }
    std::size_t CutCurves() const {
        std::size_t n = 0;
        for (const CCurve& c : station.PrintPage.curves) n += c.IsCut() ? 1 : 0;
        return n;
    }

    AppSettings settings;
    MachineParams params;
    OutputStation station;
    test::ScriptedStarter starter;
    test::FixedClock clock;
    std::vector<std::string> messages;
};

// The heavy steps handed to a runner: on another thread they give the same
// prepared job; a runner that gives up (the window closing) starts nothing,
// and a second preparation while one runs is refused.
class ThreadRunner : public PrepareRunner {
public:
    mutable int runs = 0;
    bool giveUp = false;
    std::function<void()> during;   // runs on the calling thread while the work runs
    bool Run(const std::function<void()>& work) const override {
        ++runs;
        std::thread worker(work);
        if (during) during();
        worker.join();
        return !giveUp;
    }
};

TEST_F(PreparePrintTest, HeavyStepsMayRunOnAnotherThread) {
    const COnePage job = MakePage({MakeCurve(kFullCut, {{0, 0}, {8000, 0}, {8000, 6000}, {0, 6000}, {0, 0}}),
                                   MakeCurve(kDrawn, {{400, 400}, {7000, 400}})});
    OutputStation here;
    ASSERT_EQ(PreparePrintPage(job, settings, params, here), kPrepareStarted);
    ThreadRunner runner;
    ASSERT_EQ(PreparePrint(job, settings, params, station, starter, clock, {}, &runner).result, kPrepareStarted);
    EXPECT_EQ(runner.runs, 2);   // the shaping, then the cut-segment check
    EXPECT_EQ(starter.starts, 1);
    EXPECT_EQ(PltText(station.PrintPage), PltText(here.PrintPage));
    EXPECT_EQ(station.BandCount, here.BandCount);
    EXPECT_EQ(station.PlotBandCount, here.PlotBandCount);
    EXPECT_EQ(station.ColumnCount, here.ColumnCount);
    ASSERT_GT(station.BuildCutSegment(0), 0u);
    here.BuildCutSegment(0);
    EXPECT_EQ(station.Cuts().Records(), here.Cuts().Records());
}

TEST_F(PreparePrintTest, AbandonedOrOverlappingPreparationStartsNothing) {
    const COnePage job = MakePage({MakeCurve(kFullCut, {{0, 0}, {4000, 0}})});
    ThreadRunner quitting;
    quitting.giveUp = true;
    EXPECT_EQ(PreparePrint(job, settings, params, station, starter, clock, {}, &quitting).result, kPrepareAbandoned);
    EXPECT_EQ(starter.starts, 0);

    ThreadRunner runner;
    int nested = 0;
    runner.during = [&] { nested = PreparePrint(job, settings, params, station, starter, clock, {}, &runner).result; };
    EXPECT_EQ(PreparePrint(job, settings, params, station, starter, clock, {}, &runner).result, kPrepareStarted);
    EXPECT_EQ(nested, kPrepareBusy);
    EXPECT_EQ(starter.starts, 1);
}

TEST_F(PreparePrintTest, JobPageIsCopiedShiftedAndRaisedButNeverChanged) {
    settings.CleanAtStart = 1;
    const COnePage job = MakePage({MakeCurve(kDrawn, {{0, 0}, {4000, 0}})});
    const std::string before = PltText(job);
    ASSERT_EQ(Prepare(job).result, kPrepareStarted);
    EXPECT_EQ(PltText(job), before);
    ASSERT_EQ(station.PrintPage.curves.size(), 1u);
    EXPECT_EQ(station.PrintPage.curves[0].points, (std::vector<Point>{{1040, 400}, {5040, 400}}));
    EXPECT_EQ(station.PrintPage.maxX, 5040);
    EXPECT_GT(station.BandCount, 0);
    EXPECT_EQ(station.PlotBandCount, station.BandCount);
    EXPECT_EQ(starter.starts, 1);
    // The bands of the prepared job can be built for the driver.
    for (std::int32_t a = 0; a < station.PlotBandCount; ++a) {
        EXPECT_EQ(station.BuildBand(a), kBandOk) << a;
        EXPECT_FALSE(station.BandBytes().empty());
    }
}

TEST_F(PreparePrintTest, KnifeShapingFollowsTheCleaningShift) {
    // The start cut stays at the origin; the cut line, shifted by 26 mm and
    // raised by 10 mm, gets its lead-in, over-cut and bridges.  (A lone
    // first curve would get no lead-in: the page needs a cut after its
    // first curve.)
    settings.CleanAtStart = 1;
    ASSERT_EQ(Prepare(MakePage({MakeCurve(kDrawn, {{0, 0}, {9, 9}}), MakeCurve(kFullCut, {{0, 0}, {4000, 0}})})).result,
              kPrepareStarted);
    const auto& curves = station.PrintPage.curves;
    ASSERT_GE(curves.size(), 4u);
    EXPECT_EQ(curves[0].points, (std::vector<Point>{{0, 0}, {0, 40}}));
    EXPECT_EQ(curves[2].points.front(), (Point{1040, 420}));   // arc from +Y, radius 0.5 mm
    EXPECT_EQ(curves.back().points.back(), (Point{5060, 400}));  // over-cut of 0.5 mm
    int bridges = 0;
    for (const CCurve& c : curves) {
        if (c.kind != kHalfCut) continue;
        ++bridges;
        EXPECT_EQ(c.points.back().x - c.points.front().x, 32);   // 0.8 mm
    }
    EXPECT_EQ(bridges, 3);
}

TEST_F(PreparePrintTest, PlotOnlyLeavesNothingToCut) {
    settings.PlotOnly = 1;
    const COnePage job = MakePage({MakeCurve(kFullCut, {{0, 0}, {4000, 0}}), MakeCurve(kDrawn, {{0, 0}, {0, 800}}),
                                   MakeCurve(kFullCut, {{0, 0}, {4000, 4000}, {0, 4000}, {0, 0}})});
    ASSERT_EQ(Prepare(job).result, kPrepareStarted);
    EXPECT_EQ(CutCurves(), 0u);
    EXPECT_EQ(station.PrintPage.curves.size(), 3u);
    EXPECT_TRUE(station.plotOnly);
    EXPECT_EQ(station.BuildCutSegment(0), 0u);
}

TEST_F(PreparePrintTest, LineToDotCutsEveryLineAsDotsAndInksNothing) {
    settings.LineToDot = 1;
    const COnePage job = MakePage({MakeCurve(kDrawn, {{0, 0}, {0, 480}}), MakeCurve(kDrawn, {{400, 0}, {400, 480}})});
    ASSERT_EQ(Prepare(job).result, kPrepareStarted);
    int dots = 0;
    for (const CCurve& c : station.PrintPage.curves) {
        EXPECT_NE(c.kind, kDrawn);
        dots += c.kind == kDot ? 1 : 0;
    }
    EXPECT_GE(dots, 4);
    EXPECT_EQ(station.PlotBandCount, 0);
    EXPECT_GT(station.BandCount, 0);
    EXPECT_GT(station.BuildCutSegment(0), 0u);
}

TEST_F(PreparePrintTest, MeasuredRatioShrinksAndTruncates) {
    struct Case {
        int saveTo;
        std::int32_t settingsX, machineX;
    };
    for (const Case c : {Case{1, 10050, 10000}, Case{0, 10000, 10050}, Case{1, 10000, 10050}}) {
        settings.RatioSaveTo = c.saveTo;
        settings.Measure10000X = c.settingsX;
        params.machine.scaleMeasureX = static_cast<std::uint16_t>(c.machineX);
        ASSERT_EQ(Prepare(MakePage({MakeCurve(kDrawn, {{0, 0}, {2011, 2011}})})).result, kPrepareStarted);
        const bool shrunk = (c.saveTo == 1 ? c.settingsX : c.machineX) == 10050;
        // 2011 · 10000 / 10050 = 2000.995: kept as 2000.
        EXPECT_EQ(station.PrintPage.curves[0].points.back(), (Point{shrunk ? 2000 : 2011, 2011 + 400}))
            << c.saveTo << " " << c.settingsX << " " << c.machineX;
    }
}

TEST_F(PreparePrintTest, UnmeasuredRatioLeavesTheDrawing) {
    settings.RatioSaveTo = 1;
    settings.Measure10000X = 0;
    settings.Measure10000Y = 0;
    ASSERT_EQ(Prepare(MakePage({MakeCurve(kDrawn, {{0, 0}, {2011, 2011}})})).result, kPrepareStarted);
    EXPECT_EQ(station.PrintPage.curves[0].points.back(), (Point{2011, 2411}));
}

// The settings file's ratios are not checked where they are kept: a job is
// refused, with the reason, rather than printed a hundred times too long.
// The parameter page accepts 100.0 to 5000.0 mm for the 1000 mm line.
TEST_F(PreparePrintTest, AScaleCorrectionOutsideThePagesRangeIsRefused) {
    struct Case {
        int saveTo;
        std::int32_t settingsX, settingsY;
        std::uint16_t machineX;
        int language;
        const char* says;   // nullptr: prints
    } const cases[] = {
        {1, 1, 10000, 10000, 1, "measured length along the paper (X) is 0.1 mm (Measure10000X, kept in the settings file)"},
        {1, 100, 10000, 10000, 1, "is 10.0 mm"},
        {1, 999, 10000, 10000, 1, "must be 100.0 to 5000.0 mm"},
        {1, 1000, 10000, 10000, 1, nullptr},
        {1, 50000, 10000, 10000, 1, nullptr},
        {1, 50001, 10000, 10000, 1, "is 5000.1 mm"},
        {1, 10000, -3, 10000, 1, "across the paper (Y) is -0.3 mm"},
        {1, 10000, 2147483647, 10000, 0, "比例参数超出范围：Y（横向）方向的测量长度为 214748364.7 mm"},
        {0, 1, 1, 999, 1, "(scaleMeasureX, kept by the machine)"},
        {0, 1, 1, 10000, 1, nullptr},   // the settings' copies are not in use
    };
    const COnePage job = MakePage({MakeCurve(kDrawn, {{0, 0}, {2011, 2011}})});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.saveTo) + " " + std::to_string(c.settingsX) + " " + std::to_string(c.settingsY));
        settings.RatioSaveTo = c.saveTo;
        settings.Measure10000X = c.settingsX;
        settings.Measure10000Y = c.settingsY;
        settings.Language = c.language;
        params.machine.scaleMeasureX = c.machineX;
        starter.starts = 0;
        const PrepareResult r = Prepare(job);
        if (c.says == nullptr) {
            EXPECT_EQ(r.result, kPrepareStarted);
            EXPECT_TRUE(r.refusal.empty());
            continue;
        }
        EXPECT_EQ(r.result, kPrepareScaleOutOfRange);
        EXPECT_EQ(starter.starts, 0) << "no driver for a refused job";
        EXPECT_NE(r.refusal.find(c.says), std::string::npos) << r.refusal;
    }
}

TEST_F(PreparePrintTest, StartPositionSkipsMillimetresOfFeed) {
    COnePage job = MakePage({MakeCurve(kDrawn, {{0, 0}, {4000, 0}})});
    job.startPosMm = 10;
    ASSERT_EQ(Prepare(job).result, kPrepareStarted);
    EXPECT_EQ(station.PrintPage.curves[0].points.back().x, 3600);
    EXPECT_EQ(station.PrintPage.maxX, 3600);
}

TEST_F(PreparePrintTest, EmptyPagePrintsNothingAndKeepsTheColumnCount) {
    station.ColumnCount = 1234;
    ASSERT_EQ(Prepare(COnePage{}).result, kPrepareStarted);
    EXPECT_EQ(station.BandCount, 0);
    EXPECT_EQ(station.PlotBandCount, 0);
    EXPECT_EQ(station.ColumnCount, 1234);
}

TEST_F(PreparePrintTest, FourHeadShiftDotsAndNoStartCut) {
    struct Case {
        int combination;
        std::int32_t shift;
    };
    settings.edition = Edition::FourHead;
    settings.CleanAtStart = 1;
    settings.LineToDot = 1;
    params = MachineParams::Defaults(Edition::FourHead);
    for (const Case c : {Case{0, 1040}, Case{1, 520}, Case{2, 520}, Case{3, 2040}, Case{4, 1560}, Case{5, 1560}}) {
        params.machine.headCombination = static_cast<std::uint8_t>(c.combination);
        ASSERT_EQ(Prepare(MakePage({MakeCurve(kDrawn, {{0, 0}, {480, 0}})})).result, kPrepareStarted);
        const auto& curves = station.PrintPage.curves;
        // Both ends over-cut by 0.5 mm, no lead-in, dots of 0.5 mm.
        EXPECT_EQ(curves.front().points.front(), (Point{c.shift - 20, 400})) << c.combination;
        ASSERT_GE(curves.size(), 2u);
        EXPECT_EQ(curves[1].kind, kDot);
        EXPECT_EQ(curves[1].points.back().x - curves[1].points.front().x, 20);
    }
}

TEST_F(PreparePrintTest, RefusedWhileAnEarlierJobPrints) {
    starter.running = true;
    station.PrintPage.curves.push_back(MakeCurve(kDrawn, {{1, 2}, {3, 4}}));
    EXPECT_EQ(Prepare(MakePage({MakeCurve(kDrawn, {{0, 0}, {4000, 0}})})).result, kPrepareBusy);
    ASSERT_EQ(station.PrintPage.curves.size(), 1u);
    EXPECT_EQ(station.PrintPage.curves[0].points[0], (Point{1, 2}));
    EXPECT_EQ(starter.starts, 0);
}

TEST_F(PreparePrintTest, DriverThatCannotStartIsReported) {
    starter.startResult = false;
    EXPECT_EQ(Prepare(MakePage({MakeCurve(kDrawn, {{0, 0}, {4000, 0}})})).result, kPrepareStartFailed);
}

TEST_F(PreparePrintTest, CutSegmentBeyondTheRecordLimitIsRefusedBeforeStarting) {
    // 2000 short cuts side by side in the first cut segment, running to and
    // fro, so each starts with a half-turn arc: far more than 65534 records.
    COnePage job;
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t y = 50 * i;
        job.curves.push_back(i % 2 ? MakeCurve(kFullCut, {{140, y}, {100, y}}) : MakeCurve(kFullCut, {{100, y}, {140, y}}));
    }
    EXPECT_EQ(Prepare(job).result, kPrepareCutTooLarge);
    EXPECT_EQ(starter.starts, 0);
}

TEST_F(PreparePrintTest, BandsThatCannotBeBuiltAreRefused) {
    params.adv.fireIntervalPulses = 0;
    EXPECT_EQ(Prepare(MakePage({MakeCurve(kDrawn, {{0, 0}, {4000, 0}})})).result, kPrepareBandsImpossible);
    EXPECT_EQ(starter.starts, 0);
}

class BackupTest : public PreparePrintTest {
protected:
    void SetUp() override {
        PreparePrintTest::SetUp();
        settings.BackupPrintedFiles = 1;
        settings.BackupDir = dir.string() + "/";
        job = MakePage({MakeCurve(kFullCut, {{0, 0}, {4000, 0}})});
        job.fileName = "a.plt";
    }
    test::ScratchDir scratch{"backup"};
    const std::filesystem::path& dir = scratch.Path();
    COnePage job;
};

TEST_F(BackupTest, JobIsBackedUpUnderItsTimeStampedName) {
    const PrepareResult r = Prepare(job);
    ASSERT_EQ(r.result, kPrepareStarted);
    EXPECT_TRUE(r.backupWritten);
    const auto path = dir / "2024-3-5-7H8M9S_a.plt";
    EXPECT_EQ(r.backupPath, path.string());
    // The job's own page, not the prepared copy with its bridges.
    EXPECT_EQ(test::ReadAll(path.string()), PltText(job));
    EXPECT_TRUE(messages.empty());
}

TEST_F(BackupTest, NamesWithoutTheTimeOrWithoutTheSeparator) {
    clock.known = false;
    settings.BackupDir = dir.string();   // no trailing separator
    ASSERT_EQ(Prepare(job).result, kPrepareStarted);
    EXPECT_TRUE(std::filesystem::exists(dir / "0-0-0--1H-1M-1S_a.plt"));
}

TEST_F(BackupTest, UnwritableBackupIsReportedAndTheJobStillPrints) {
    std::ofstream(dir / "file") << "x";   // a file where the folder should be
    settings.BackupDir = (dir / "file" / "sub").string() + "/";
    const PrepareResult r = Prepare(job);
    EXPECT_EQ(r.result, kPrepareStarted);
    EXPECT_EQ(starter.starts, 1);
    EXPECT_TRUE(r.backupWanted);
    EXPECT_FALSE(r.backupWritten);
    EXPECT_FALSE(r.backupError.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("2024-3-5-7H8M9S_a.plt"), std::string::npos);
}

TEST_F(BackupTest, NoBackupWhenSwitchedOff) {
    settings.BackupPrintedFiles = 0;
    const PrepareResult r = Prepare(job);
    EXPECT_FALSE(r.backupWanted);
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

}  // namespace
}  // namespace pv
