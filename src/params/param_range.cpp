#include "params/param_range.h"

#include <algorithm>
#include <limits>

#include "params/param_field.h"

namespace pv {
namespace {

struct RangeRow {
    const char* name;
    std::int32_t min;
    std::int32_t max;
    const char* unit;
};

// Stored units.  The head positions are the one field whose range differs
// between the editions (one byte on the two-head machine).
constexpr RangeRow kRows[] = {
    {"scaleMeasureX", 1000, 50000, "0.1 mm"},
    {"scaleMeasureY", 1000, 50000, "0.1 mm"},
    {"leftOffsetMm", 0, 65535, "mm"},
    {"bidirCorrection", 0, 5000, "0.01 mm"},
    {"plotCutOffsetX", -2000, 2000, "0.1 mm"},
    {"plotCutOffsetY", -2000, 2000, "0.1 mm"},
    {"headEnable", 0, 2, "0 both heads, 1 only 1#, 2 only 2#"},
    {"headCombination", 0, 5, "head combination"},
    {"headOverlapDots", 0, 10, "dots"},
    {"overlap23Dots", 0, 10, "dots"},
    {"overlap34Dots", 0, 10, "dots"},
    {"bidirectional", 0, 1, "flag"},
    {"fullCutPressure", 2, 199, ""},
    {"halfCutPressure", 0, 50, ""},
    {"startCutPressure", 2, 199, ""},
    {"fullCutLengthMm", 20, 100, "mm"},
    {"bridgeLen", 1, 30, "0.1 mm"},
    {"solenoidDelay", 0, 200, "0.1 ms"},
    {"darkLines", 0, 1, "flag"},
    {"cutMode", 0, 1, "0 no slow-down, 1 slow down and lift the knife"},
    {"feedBeforeMm", 0, 250, "mm"},
    {"feedAfterMm", 0, 250, "mm"},
    {"knifeTipComp", 0, 20, "0.1 mm"},
    {"bufferLeftMm", 0, 50, "mm"},
    {"bufferRightMm", 0, 50, "mm"},
    {"marginLeftMm", 0, 200, "mm"},
    {"marginRightMm", 0, 200, "mm"},
    {"edgeLeftPx", -5, 5, "pixels"},
    {"edgeRightPx", -5, 5, "pixels"},
    {"feedPulsesPerMm", 2000, 80000, "0.01 pulses/mm"},
    {"carriagePulsesPerMm", 2000, 80000, "0.01 pulses/mm"},
    {"softLimitMm", 500, 4000, "mm"},
    {"feedMaxSpeed", 100, 600, "mm/s"},
    {"carriageMaxSpeed", 400, 1200, "mm/s"},
    {"cutMaxSpeed", 50, 600, "mm/s"},
    {"cutOffStartY", 0, 4000, "mm"},
    {"cutOffEndY", 0, 4000, "mm"},
    {"cutOffInPlotOnly", 0, 1, "flag"},
    {"cutOffBridge", 0, 50, "0.1 mm"},
    {"feedAccel", 5, 100, "0.1 m/s^2"},
    {"carriageAccel", 10, 200, "0.1 m/s^2"},
    {"cutAccel", 2, 50, "0.1 m/s^2"},
    {"bandsPerCutSegment", 6, 30, "bands"},
    {"fireIntervalPulses", 2, 100, "pulses"},
    {"nozzleColumnGapPx", 20, 40, "pixels"},
    {"firePulseWidth", 18, 25, ""},
    {"bandOverlapComp", 0, 200, "0.01 mm"},
    {"longMoveSpeedRatio", 20, 100, "%"},
};

constexpr std::string_view kHeadPositions[] = {"head1PosLeft",  "head2PosLeft",  "head3PosLeft",  "head4PosLeft",
                                               "head1PosRight", "head2PosRight", "head3PosRight", "head4PosRight"};

// The field's place in the edition's record and its type's range.
template <class Block>
std::optional<ParamRange> Carried(std::span<const ParamField<Block>> fields, std::string_view name, Edition e) {
    for (const auto& f : fields) {
        if (name != f.name) continue;
        if (!f.editable || f.Place(e).width == 0) return std::nullopt;
        // A field that travels in fewer bytes than its member holds only
        // what those bytes hold.
        const int bits = 8 * f.Place(e).width;
        const bool isSigned = f.Min() < 0;
        long long lo = f.Min(), hi = f.Max();
        if (bits < 16) {
            lo = isSigned ? -(1LL << (bits - 1)) : 0;
            hi = isSigned ? (1LL << (bits - 1)) - 1 : (1LL << bits) - 1;
        }
        return ParamRange{static_cast<std::int32_t>(lo), static_cast<std::int32_t>(hi), ""};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ParamRange> EditableRange(std::string_view name, Edition e) {
    auto type = Carried(MachineParaFields(), name, e);
    if (!type) type = Carried(AdvParaFields(), name, e);
    if (!type) return std::nullopt;
    ParamRange page;
    if (std::find(std::begin(kHeadPositions), std::end(kHeadPositions), name) != std::end(kHeadPositions)) {
        page = {0, IsFourHead(e) ? 750 : 250, "pixels"};
    } else {
        const auto row = std::find_if(std::begin(kRows), std::end(kRows),
                                      [&](const RangeRow& r) { return name == r.name; });
        // `firmwareFlag` is carried but set by the machine only.
        if (row == std::end(kRows)) return std::nullopt;
        page = {row->min, row->max, row->unit};
    }
    page.min = std::max(page.min, type->min);
    page.max = std::min(page.max, type->max);
    return page;
}

}  // namespace pv
