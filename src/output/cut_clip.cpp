#include "output/cut_clip.h"

#include <cstddef>

#include "geometry/point.h"
#include "output/saturating_trunc.h"

namespace pv {

namespace {

constexpr double kDotsPerMm = 11.811023622047244;
// The four-head carriage carries the knife 130.0 mm (in 0.1 mm) further along Y.
constexpr double kFourHeadKnifeOffsetY = 1300.0;

enum class Region { Before, Inside, After };

Region Classify(double v, std::int64_t lo, std::int64_t hi) {
    const std::int64_t t = TruncToInt64(v);
    if (t < lo) return Region::Before;
    if (t > hi) return Region::After;
    return Region::Inside;
}

}  // namespace

CutFrame CutFrame::From(const MachineParams& params, Edition edition, int bandStep) {
    CutFrame f;
    f.registrationX = params.machine.plotCutOffsetX;
    f.registrationY = params.machine.plotCutOffsetY + (IsFourHead(edition) ? kFourHeadKnifeOffsetY : 0.0);
    f.feedPulses = params.adv.feedPulsesPerMm;
    f.carriagePulses = params.adv.carriagePulsesPerMm;
    f.bandsPerSegment = params.adv.bandsPerCutSegment < 1 ? 1 : params.adv.bandsPerCutSegment;
    f.bandStep = bandStep;
    return f;
}

double CutFrame::FeedPulsesAt(std::int32_t x) const {
    return (x / 40.0 + registrationX * 0.1) * feedPulses * 0.01;
}

double CutFrame::CarriagePulsesAt(std::int32_t y) const {
    return (y / 40.0 + registrationY * 0.1) * carriagePulses * 0.01;
}

std::int64_t CutWindowStart(std::int64_t k, const CutFrame& frame) {
    const double dots = static_cast<double>(k) * static_cast<double>(frame.bandsPerSegment) *
                        static_cast<double>(frame.bandStep);
    return TruncToInt64(dots / kDotsPerMm * frame.feedPulses * 0.01 +
                        frame.registrationX * 0.1 * frame.feedPulses * 0.01);
}

void ClipToFeedWindow(const CCurve& curve, std::int64_t lo, std::int64_t hi, const CutFrame& frame,
                      std::vector<CutRecord>& out) {
    if (curve.points.size() < 2) return;
    ClipPartToFeedWindow(curve, 0, curve.points.size() - 1, lo, hi, frame, out);
}

void ClipPartToFeedWindow(const CCurve& curve, std::size_t first, std::size_t last, std::int64_t lo,
                          std::int64_t hi, const CutFrame& frame, std::vector<CutRecord>& out) {
    const char code = CutCodeForKind(curve.kind);
    if (code == 0) return;
    const auto& pts = curve.points;
    if (pts.size() < 2 || first >= last || last >= pts.size()) return;

    auto put = [&out](double x, double y, char c) { out.push_back({TruncToInt32(x), TruncToInt32(y), c}); };
    double x1 = frame.FeedPulsesAt(pts[first].x);
    double y1 = frame.CarriagePulsesAt(pts[first].y);
    for (std::size_t i = first + 1; i <= last; ++i) {
        const double x2 = frame.FeedPulsesAt(pts[i].x);
        const double y2 = frame.CarriagePulsesAt(pts[i].y);
        // Y where the segment crosses the feed position L, rounded half up.
        auto yAt = [&](std::int64_t L) {
            return static_cast<double>(TruncToInt64(y2 - (x2 - static_cast<double>(L)) * (y2 - y1) / (x2 - x1) + 0.5));
        };
        const double dlo = static_cast<double>(lo), dhi = static_cast<double>(hi);
        const Region r1 = Classify(x1, lo, hi);
        const Region r2 = Classify(x2, lo, hi);
        if (r1 == Region::Before && r2 == Region::Inside) {
            put(dlo, yAt(lo), kCodeMove);
            put(x2, y2, code);
        } else if (r1 == Region::After && r2 == Region::Inside) {
            put(dhi, yAt(hi), kCodeMove);
            put(x2, y2, code);
        } else if (r1 == Region::Before && r2 == Region::After) {
            put(dlo, yAt(lo), kCodeMove);
            put(dhi, yAt(hi), code);
        } else if (r1 == Region::After && r2 == Region::Before) {
            put(dhi, yAt(hi), kCodeMove);
            put(dlo, yAt(lo), code);
        } else if (r1 == Region::Inside) {
            if (i == 1) put(x1, y1, kCodeMove);
            if (r2 == Region::Inside) put(x2, y2, code);
            else if (r2 == Region::Before) put(dlo, yAt(lo), code);
            else put(dhi, yAt(hi), code);
        }
        x1 = x2;
        y1 = y2;
    }
}

}  // namespace pv
