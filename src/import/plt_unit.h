#pragma once
// The PLT unit: what one HPGL file unit means, chosen by the PltFileUnit
// setting, and the factors that turn a freshly read page into plotter units
// (1/40 mm).
#include <cstdint>

#include "settings/edition.h"

namespace pv {

struct AppSettings;
class CHpglFile;

enum PltUnit : std::int32_t {
    kPltUnit0250 = 0,   // 0.025 mm: the plotter's own unit, no scaling
    kPltUnit0254 = 1,   // one mil, 0.0254 mm
    kPltUnitAuto = 2,   // from the file's own IP/SC scaling
    kPltUnit0100 = 3,   // 0.01 mm
};

struct PltScale {
    double sx = 1.0;
    double sy = 1.0;
    // Index 0 (and an unknown index) leaves the page untouched.
    bool scales = false;
};

// The factors of `unit`; "3-Auto" takes the reader's factors, except on the
// four-head machine, whose reader does not execute SC.
PltScale PltUnitScale(std::int32_t unit, Edition edition, double autoScaleX, double autoScaleY);
// The factors for the current PltFileUnit and the reader that has just read
// the file.
PltScale PltUnitScale(const AppSettings& settings, const CHpglFile& reader);

}  // namespace pv
