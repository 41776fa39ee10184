#include "link/output_job_source.h"

#include "output/band_result.h"

namespace pv {

OutputJobSource::OutputJobSource(OutputStation& station) : station_(station), bandsReady_(station.BeginBands()) {}

int OutputJobSource::BuildBand(int a, std::span<const std::uint8_t>& bytes) {
    if (bandsReady_ != kBandOk) return bandsReady_;
    const int r = station_.BuildBand(a);
    if (r != kBandOk) return r;
    bytes = station_.BandBytes();
    return 0;
}

std::span<const CutRecord> OutputJobSource::BuildCutSegment(int i) {
    station_.BuildCutSegment(i);
    return station_.Cuts().Records();
}

}  // namespace pv
