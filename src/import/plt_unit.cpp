#include "import/plt_unit.h"

#include "import/hpgl_file.h"
#include "settings/app_settings.h"

namespace pv {

namespace {
// 0.0254 / 0.025 and 0.01 / 0.025, written out: the quotients computed in
// doubles fall just below, and a truncating scale would then lose a unit
// (1000 mils must give 1016 plotter units).
constexpr double kMilPerUnit = 1.016;
constexpr double kHundredthPerUnit = 0.4;
}  // namespace

PltScale PltUnitScale(std::int32_t unit, Edition edition, double autoScaleX, double autoScaleY) {
    switch (unit) {
        case kPltUnit0254:
            return {kMilPerUnit, kMilPerUnit, true};
        case kPltUnit0100:
            return {kHundredthPerUnit, kHundredthPerUnit, true};
        case kPltUnitAuto:
            if (IsFourHead(edition)) return {};
            return {autoScaleX, autoScaleY, true};
        default:
            return {};
    }
}

PltScale PltUnitScale(const AppSettings& settings, const CHpglFile& reader) {
    return PltUnitScale(settings.PltFileUnit, settings.edition, reader.autoScaleX, reader.autoScaleY);
}

}  // namespace pv
