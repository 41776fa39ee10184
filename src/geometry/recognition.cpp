#include "geometry/recognition.h"

#include <cmath>
#include <cstdlib>

#include "settings/app_settings.h"

namespace pv {

namespace {

bool Near(const Point& a, const Point& b) {
    return std::llabs(std::int64_t{a.x} - b.x) <= 9 && std::llabs(std::int64_t{a.y} - b.y) <= 9;
}

// Pieces smaller than 8 mm either way or 400 mm² in area are not outlines.
bool LargeEnough(CCurve& c) {
    c.CalcBounds();
    const double w = (static_cast<double>(c.maxX) - c.minX) / 40.0;
    const double h = (static_cast<double>(c.maxY) - c.minY) / 40.0;
    return !(w < 8.0 || h < 8.0 || w * h < 400.0);
}

// True when the curve closes on itself, trimming a stray first or last point
// that overshoots the closing corner.
bool ClosesOnItself(CCurve& c) {
    std::vector<Point>& p = c.points;
    const std::size_t n = p.size();
    if (Near(p[0], p[n - 1])) return true;
    if (Near(p[0], p[n - 2]) && Near(p[n - 1], p[n - 2])) {
        p.pop_back();
        return true;
    }
    if (Near(p[1], p[n - 1]) && Near(p[0], p[1])) {
        p.erase(p.begin());
        return true;
    }
    // Start and end overlap along one line: the first and last segments run
    // the same way (by the size of their directions) and the ends are close.
    if (n > 4 && Distance(p[0], p[n - 1]) < 100.0 &&
        std::fabs(std::fabs(Direction(p[1], p[0])) - std::fabs(Direction(p[n - 1], p[n - 2]))) < 0.001) {
        return true;
    }
    return false;
}

}  // namespace

void FindOutlines(COnePage& page, const AppSettings& settings) {
    for (CCurve& c : page.curves) {
        c.kind = kDrawn;
        c.role = kRoleTried;
    }
    page.JoinNear(1, settings.edition);
    if (settings.FindTCutFirst != 0) FindTNotches(page);
    if (settings.FindICutFirst != 0) FindINotches(page);
    page.JoinNear(9, settings.edition);

    for (CCurve& c : page.curves) {
        if (c.points.size() <= 3 || c.isTNotch != 0) continue;
        if (!LargeEnough(c)) continue;
        if (ClosesOnItself(c)) {
            c.kind = kFullCut;
            c.role = kRoleOutline;
        }
    }
    MarkInnerLines(page);
    if (settings.CutNotch != 0) {
        for (CCurve& c : page.curves) {
            if (c.isTNotch != 0) c.kind = kFullCut;
        }
    }
}

void RecognizeOnRead(COnePage& page, const AppSettings& settings) {
    if (settings.SearchOutline == 0) return;
    if (settings.DoNotFindOutlineIfSp2Exist != 0 && page.HasBothKinds()) return;
    FindOutlines(page, settings);
}

void RecognizeUNotchesOnRead(COnePage& page, const AppSettings& settings) {
    if (settings.FindUNotch == 1) FindUNotches(page);
}

}  // namespace pv
