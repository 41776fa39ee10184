#include "history/copy_measure.h"

#include <cmath>

#include "link/command_protocol.h"

namespace pv {

namespace {

// Whether the knife is down along a curve of this kind: the dot gaps are
// travelled with the knife up, and cut mode 1 turns half cuts into moves.
bool KnifeDown(std::int32_t kind, int cutMode) {
    switch (kind) {
    case kFullCut:
    case kDot: return true;
    case kHalfCut: return cutMode != 1;
    default: return false;
    }
}

}  // namespace

CopyMeasures MeasurePreparedCopy(const OutputStation& prepared, const AppSettings& settings,
                                 const MachineParams& params) {
    CopyMeasures m;
    m.bandsTotal = prepared.BandCount;
    const JobStartBlock start =
        CommandProtocol::ComputeJobStart(params, settings, prepared.PrintPage.maxX, prepared.ColumnCount);
    const double feedPerMm = params.adv.feedPulsesPerMm * 0.01;
    if (feedPerMm > 0) m.paperMm = start.paperLength / feedPerMm;
    if (prepared.plotOnly) return m;
    const int cutMode = params.machine.cutMode;
    double units = 0;   // plotter units, 1/40 mm
    for (const CCurve& c : prepared.PrintPage.curves) {
        if (!KnifeDown(c.kind, cutMode)) continue;
        for (std::size_t i = 1; i < c.points.size(); ++i)
            units += std::hypot(double(c.points[i].x) - c.points[i - 1].x, double(c.points[i].y) - c.points[i - 1].y);
    }
    m.knifeMm = units / 40.0;
    return m;
}

}  // namespace pv
