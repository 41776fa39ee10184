#pragma once
// The picture of what a job's bands fire: one pixel per dot, the paper feed
// running down the picture (band after band, one band step apart) and the
// carriage across it (one pixel per firing column).
#include <string>

#include "link/plotter_job.h"

namespace pv {

// Writes the PNG; false when it cannot be written.
bool WriteBandInkImage(const PlotterJob& job, const std::string& path);

}  // namespace pv
