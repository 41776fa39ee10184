#pragma once
// The length correction a print is scaled by (the measured length of a
// 1000 mm line, along and across the paper) comes from the settings file or
// from the machine's record, and neither is range-checked where it is kept.
// Preparation refuses a value the parameter page would not accept: a
// settings file holding 1 (0.1 mm) would make a print ten thousand times
// longer, a value of 100 a hundred times.
#include <optional>
#include <string>

#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace pv {

// The range the parameter page accepts for a measured length, in 0.1 mm
// (100.0 to 5000.0 mm for a 1000 mm line).
inline constexpr int kMeasuredLengthMin = 1000;
inline constexpr int kMeasuredLengthMax = 50000;

// Nothing when the correction in use (RatioSaveTo chooses the settings'
// Measure10000X/Y or the machine's scaleMeasureX/Y) lies in the page's
// range or is 0 (never measured: no correction); otherwise the operator's message in the settings' language, naming
// the value, where it is kept and the range.
std::optional<std::string> CheckScaleCorrection(const AppSettings& settings, const MachineParams& params);

}  // namespace pv
