// A pattern file read, prepared and printed through the link to the
// virtual plotter: the ink the plotter recovers from the bands lies on the
// dots the raster drew, and the knife records it received are the ones
// preparation builds.
#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>

#include "common/scratch_dir.h"
#include "import/job_reader.h"
#include "emulator/band_ink_image.h"
#include "link/link_print_starter.h"
#include "link/link_result.h"
#include "output/band_builder.h"
#include "output/band_result.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

class NoPause : public PrepareClock {
public:
    void Pause(std::chrono::milliseconds) const override {}
};

struct Printed {
    std::shared_ptr<const PlotterJob> job;
    int result = 0;
};

Printed PrintFile(VirtualPlotter& plotter, Station& s, const COnePage& page) {
    OutputStation station;
    LinkPrintStarter starter(*s.protocol);
    Printed out;
    const int ended = plotter.JobsEnded();
    const PrepareResult r = PreparePrint(page, s.settings.Get(), s.params.Get(), station, starter, NoPause{});
    EXPECT_EQ(r.result, kPrepareStarted);
    if (r.result != kPrepareStarted) return out;
    EXPECT_TRUE(WaitFor([&] { return starter.driver()->Returned(); }));
    // A slow recording may outlast the driver's wait for the last answer.
    EXPECT_TRUE(WaitFor([&] { return plotter.JobsEnded() > ended; }));
    out.result = starter.driver()->result();
    auto jobs = plotter.machine().FinishedJobs();
    if (!jobs.empty()) out.job = jobs.back();
    return out;
}

class JobEndToEnd : public ::testing::TestWithParam<Edition> {};

TEST_P(JobEndToEnd, InkLandsOnTheDrawnDotsAndTheKnifeGetsThePreparedRecords) {
    const Edition edition = GetParam();
    const ScratchDir scratch(IsFourHead(edition) ? "e2e4" : "e2e2");
    const auto& dir = scratch.Path();
    auto plotter = StartPlotter(edition, {}, dir.string());
    ASSERT_TRUE(plotter);
    Station s(plotter->port(), edition);
    // The cleaning band is not part of the drawing.
    s.settings.Edit([](AppSettings& a) { a.CleanAtStart = 0; });
    ASSERT_EQ(s.protocol->ReadMachineParameters(), kLinkOk);
    s.state.status.online = true;

    auto read =
        ReadJobFile(std::string(PV_TEST_DATA_DIR) + "/link/marker.plt", s.settings.Get(), {}, ReadPath::AddCommand);
    ASSERT_TRUE(read.page);
    read.page->fileName = "marker.plt";
    const Printed printed = PrintFile(*plotter, s, *read.page);
    EXPECT_EQ(printed.result, kPrintDone);
    ASSERT_TRUE(printed.job);

    // What preparation makes of the same page, built here band by band.
    OutputStation expected;
    ASSERT_EQ(PreparePrintPage(*read.page, s.settings.Get(), s.params.Get(), expected), kPrepareStarted);
    ASSERT_EQ(expected.BeginBands(), kBandOk);
    ASSERT_GT(expected.PlotBandCount, 1);
    EXPECT_EQ(printed.job->columnCount, expected.ColumnCount);

    const RasterConfig config = RasterConfig::From(s.settings.Get(), s.params.Get());
    const BandInk ink = ReconstructBandInk(*printed.job, config);
    EXPECT_EQ(ink.bandsUndecodable, 0);
    EXPECT_EQ(ink.strayFirings, 0);
    const BandBuilder& bands = *expected.Bands();
    const int step = bands.Layout()->Heads().BandStep();
    const int firstFiring = IsFourHead(edition) ? 1 : 0;   // row 0 fires nothing on the four-head machine
    std::int64_t inked = 0, wrong = 0;
    for (int a = 0; a < expected.PlotBandCount; ++a) {
        ASSERT_EQ(expected.BuildBand(a), kBandOk);
        const BandRaster& raster = bands.Raster();
        for (int r = firstFiring; r < raster.Rows() && r < ink.width; ++r)
            for (int d = 0; d < step; ++d) {
                const bool drawn = raster.Dot(r, d);
                inked += drawn;
                wrong += drawn != ink.Get(r, a * step + d);
            }
    }
    EXPECT_GT(inked, 1000);
    EXPECT_EQ(wrong, 0);

    // Every non-empty cut segment, in order, record for record.
    std::vector<std::vector<CutRecord>> cuts;
    for (int i = 0; i <= expected.BandCount; ++i)
        if (expected.BuildCutSegment(i) > 0) cuts.push_back(expected.Cuts().Records());
    ASSERT_FALSE(cuts.empty());
    ASSERT_EQ(printed.job->cutSegments.size(), cuts.size());
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        EXPECT_TRUE(printed.job->cutSegments[i].complete);
        EXPECT_EQ(printed.job->cutSegments[i].records, cuts[i]) << "segment " << i;
    }

    // The recording on disk.
    const auto folder = dir / "job-001";
    EXPECT_TRUE(std::filesystem::exists(folder / "summary.json"));
    EXPECT_TRUE(std::filesystem::exists(folder / "cuts.json"));
    cairo_surface_t* png = cairo_image_surface_create_from_png((folder / "ink.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), ink.width);
    EXPECT_EQ(cairo_image_surface_get_height(png), ink.height);
    cairo_surface_destroy(png);
}

INSTANTIATE_TEST_SUITE_P(Editions, JobEndToEnd, ::testing::Values(Edition::TwoHead, Edition::FourHead),
                         [](const auto& info) { return IsFourHead(info.param) ? "FourHead" : "TwoHead"; });

}  // namespace
}  // namespace pv::test
