#include "output/raster_config.h"

#include <algorithm>

#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace pv {

RasterConfig RasterConfig::From(const AppSettings& s, const MachineParams& p) {
    RasterConfig c;
    c.edition = s.edition;
    c.lineWidth = std::clamp(s.LineWidth, 1, 10);
    c.plotCutLine = s.PlotCutLine != 0;
    c.cleanAtStart = s.CleanAtStart != 0;
    c.cleanAtSection = s.CleanAtSection != 0;
    c.customString = s.CustomString;
    c.cusStrFontSize = std::clamp(s.CusStrFontSize, 0, 10);
    c.language = s.Language;
    // Always: the print history keeps every copy's drops; the statistic
    // (two-head machine, when on) takes them into its counters.
    c.countDrops = true;

    const MachineParaBlock& m = p.machine;
    c.headSelect = IsFourHead(s.edition) ? m.headCombination : m.headEnable;
    c.posLeft = {m.head1PosLeft, m.head2PosLeft, m.head3PosLeft, m.head4PosLeft};
    c.posRight = {m.head1PosRight, m.head2PosRight, m.head3PosRight, m.head4PosRight};
    if (!IsFourHead(s.edition)) {
        // The two-head record carries one byte per position and no 3#/4#.
        for (int i = 0; i < 2; ++i) {
            c.posLeft[i] &= 0xFF;
            c.posRight[i] &= 0xFF;
        }
        c.posLeft[2] = c.posLeft[3] = c.posRight[2] = c.posRight[3] = 0;
    }
    c.overlap = {std::min<int>(m.headOverlapDots, 150), std::min<int>(m.overlap23Dots, 150),
                 std::min<int>(m.overlap34Dots, 150)};
    c.bidirectional = m.bidirectional != 0;
    c.darkLines = m.darkLines != 0;
    c.marginLeftMm = m.marginLeftMm;
    c.marginRightMm = m.marginRightMm;
    c.edgeLeftPx = m.edgeLeftPx;
    c.edgeRightPx = m.edgeRightPx;
    c.carriagePulsesPerMm = p.adv.carriagePulsesPerMm;
    c.fireIntervalPulses = p.adv.fireIntervalPulses;
    c.nozzleColumnGapPx = p.adv.nozzleColumnGapPx;
    c.bandsPerCutSegment = p.adv.bandsPerCutSegment;
    return c;
}

}  // namespace pv
