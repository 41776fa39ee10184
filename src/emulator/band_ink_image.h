#pragma once
// The picture of what a job's bands fire, recovered from the bytes the
// machine received: one pixel per dot, the carriage across the picture (one
// pixel per bitmap row of the band) and the paper feed down it (band a
// starts a band step below band a - 1).  Inked pixels are opaque, the rest
// transparent.
#include <cstdint>
#include <string>
#include <vector>

#include "emulator/plotter_job.h"
#include "output/raster_config.h"

namespace pv {

struct BandInk {
    int width = 0;                       // bitmap rows across the carriage
    int height = 0;                      // dots along the feed
    std::vector<std::uint8_t> dots;      // width x height, 1 inked
    int bandsUndecodable = 0;            // bands whose bytes are not a band of this job
    std::int64_t strayFirings = 0;       // firings no nozzle of the band serves
    bool Get(int x, int y) const { return dots[static_cast<std::size_t>(y) * width + x] != 0; }
};

// `config` describes how the bands were laid out (the settings the job was
// prepared with, the machine's parameters).  Bands are taken in the order
// received; a band sent again replaces the earlier copy.
BandInk ReconstructBandInk(const PlotterJob& job, const RasterConfig& config);
// Writes the PNG; false when it cannot be written or is too large
// (more than 2^31 pixels).
bool WriteBandInkImage(const BandInk& ink, const std::string& path);

}  // namespace pv
