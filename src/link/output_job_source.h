#pragma once
// A prepared print of output generation as the print driver sees it.
#include "link/print_job_source.h"
#include "output/output_station.h"

namespace pv {

class OutputJobSource : public PrintJobSource {
public:
    // The station must have been prepared (PreparePrintPage) and must not
    // change while the driver runs.
    explicit OutputJobSource(OutputStation& station);

    int BandCount() const override { return station_.BandCount; }
    int PlotBandCount() const override { return station_.PlotBandCount; }
    int ColumnCount() const override { return station_.ColumnCount; }
    std::int32_t PageMaxX() const override { return station_.PrintPage.maxX; }
    int BandsPerCutSegment() const override { return station_.bandsPerCutSegment; }
    bool PlotOnly() const override { return station_.plotOnly; }
    bool BandReversed(int a) const override { return station_.BandReversed(a); }
    int BuildBand(int a, std::span<const std::uint8_t>& bytes) override;
    std::span<const CutRecord> BuildCutSegment(int i) override;

    // Why the bands cannot be built, or kBandOk.
    int bandsReady() const { return bandsReady_; }

private:
    OutputStation& station_;
    int bandsReady_;
};

}  // namespace pv
