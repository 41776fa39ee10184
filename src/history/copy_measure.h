#pragma once
// What a prepared copy will use: the paper its job start feeds and the
// length the knife cuts, read from the prepared page (which the print
// driver only reads while it runs).
#include "output/output_station.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace pv {

struct CopyMeasures {
    double paperMm = 0;    // the job start's paper length (feed pulses) in mm
    double knifeMm = 0;    // knife down: full cuts, half cuts (unless the knife skips them), dots
    int bandsTotal = 0;
};

CopyMeasures MeasurePreparedCopy(const OutputStation& prepared, const AppSettings& settings,
                                 const MachineParams& params);

}  // namespace pv
