// Breaking a curve at its sharp corners (the view's break-by-angle command).
#include <cmath>

#include "geometry/one_page.h"

namespace pv {

namespace {

constexpr std::size_t kMaxBreaks = 299;

CCurve Piece(const CCurve& whole, std::size_t from, std::size_t to) {
    CCurve c;
    c.CopyFieldsFrom(whole);
    c.points.assign(whole.points.begin() + static_cast<std::ptrdiff_t>(from),
                    whole.points.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    c.CalcBounds();
    return c;
}

}  // namespace

void COnePage::BreakByAngle(double degrees) {
    std::size_t target = curves.size();
    for (std::size_t i = 0; i < curves.size(); ++i) {
        if (curves[i].selected != 0) {
            target = i;
            break;
        }
    }
    if (target == curves.size()) return;

    const std::vector<Point>& pts = curves[target].points;
    const double limit = degrees * kPi / 180.0;
    std::vector<std::size_t> breaks;
    for (std::size_t b = 1; b + 1 < pts.size() && breaks.size() < kMaxBreaks; ++b) {
        const double turn = FoldAngle(Direction(pts[b], pts[b + 1]) - Direction(pts[b - 1], pts[b]));
        if (std::fabs(turn) > limit) breaks.push_back(b);
    }
    if (breaks.empty()) return;

    // The pieces are cut from the curve as it was before breaking.
    const CCurve whole = curves[target];
    std::vector<CCurve> added;
    added.reserve(breaks.size());
    for (std::size_t k = 1; k < breaks.size(); ++k) added.push_back(Piece(whole, breaks[k - 1], breaks[k]));
    added.push_back(Piece(whole, breaks.back(), whole.points.size() - 1));

    CCurve& first = curves[target];
    first.points.resize(breaks.front() + 1);
    first.CalcBounds();
    for (CCurve& c : added) curves.push_back(std::move(c));
}

}  // namespace pv
