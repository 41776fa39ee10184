// T, I and U notch recognition.  A T notch is drawn as part of a contour: a
// cross bar, half-way back along it and the stem; an I notch is one short
// stroke at about a right angle to the contour; a U notch is a narrow slot in
// a cut contour.
#include <algorithm>
#include <cmath>

#include "geometry/recognition.h"

namespace pv {

namespace {

constexpr double kDegree = kPi / 180.0;
// 60 and 120 degrees, the band of an I notch's turn.
constexpr double kINotchMinTurn = 1.0471975511966667;
constexpr double kINotchMaxTurn = 2.0943951023933334;
// 81 and 99 degrees, the band of a U notch's two corners.
constexpr double kUNotchMinTurn = 1.4137166941155002;
constexpr double kUNotchMaxTurn = 1.7278759594745001;

// |turn| between the directions a->b and c->d, folded into (-pi, pi].
double AbsTurn(const Point& a, const Point& b, const Point& c, const Point& d) {
    return std::fabs(FoldAngle(Direction(c, d) - Direction(a, b)));
}

double PathLength(const std::vector<Point>& p, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from + 1; i <= to; ++i) sum += Distance(p[i - 1], p[i]);
    return sum;
}

// q0..q3: cross bar q0-q1 (t), back to its middle q1-q2 (u), stem q2-q3 (v).
bool IsTNotch(const Point& q0, const Point& q1, const Point& q2, const Point& q3) {
    const double t = Distance(q0, q1);
    const double u = Distance(q1, q2);
    const double v = Distance(q2, q3);
    return AbsTurn(q1, q0, q3, q2) > 45.0 * kDegree && v >= 300.0 && v <= 500.0 && t > 100.0 && t < 400.0 &&
           u > 50.0 && u < 200.0 && std::fabs(t - 2.0 * u) < 20.0;
}

CCurve NotchFrom(const CCurve& source, std::vector<Point> points) {
    CCurve notch;
    notch.CopyFrom(source);
    notch.points = std::move(points);
    notch.role = kRoleNotch;
    notch.CalcBounds();
    return notch;
}

bool InINotchBand(double turn) { return turn >= kINotchMinTurn && turn <= kINotchMaxTurn; }

// Curves cut down to a single point by the splitting hold nothing.
void DropEmptied(COnePage& page) {
    std::erase_if(page.curves, [](const CCurve& c) { return c.points.size() < 2; });
}

}  // namespace

void FindTNotches(COnePage& page) {
    const std::size_t count = page.curves.size();
    for (std::size_t i = 0; i < count; ++i) {
        // A notch already split off is not split again.
        if (page.curves[i].points.size() <= 3 || page.curves[i].IsNotch()) continue;
        {
            const std::vector<Point>& p = page.curves[i].points;
            if (IsTNotch(p[0], p[1], p[2], p[3])) {
                CCurve notch = NotchFrom(page.curves[i], {p[0], p[1], p[2], p[3]});
                notch.isTNotch = 1;
                page.curves.push_back(std::move(notch));
                std::vector<Point>& q = page.curves[i].points;
                q.erase(q.begin(), q.begin() + 3);
            }
        }
        const std::vector<Point>& p = page.curves[i].points;
        const std::size_t n = p.size();
        if (n < 4) continue;
        if (IsTNotch(p[n - 1], p[n - 2], p[n - 3], p[n - 4])) {
            CCurve notch = NotchFrom(page.curves[i], {p[n - 1], p[n - 2], p[n - 3], p[n - 4]});
            notch.isTNotch = 1;
            page.curves.push_back(std::move(notch));
            page.curves[i].points.resize(n - 3);
        }
    }
    DropEmptied(page);
}

void FindINotches(COnePage& page) {
    const std::size_t count = page.curves.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (page.curves[i].points.size() <= 2 || page.curves[i].IsNotch()) continue;
        const std::vector<Point>& p = page.curves[i].points;
        const double a = Distance(p[0], p[1]);
        if (InINotchBand(AbsTurn(p[1], p[0], p[2], p[1])) && a >= 80.0 && a <= 410.0 &&
            a <= PathLength(p, 1, p.size() - 1)) {
            CCurve notch = NotchFrom(page.curves[i], {p[0], p[1]});
            notch.isINotch = 1;
            page.curves.push_back(std::move(notch));
            page.curves[i].points.erase(page.curves[i].points.begin());
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (page.curves[i].points.size() <= 2 || page.curves[i].IsNotch()) continue;
        const std::vector<Point>& p = page.curves[i].points;
        const std::size_t n = p.size();
        const double m = Distance(p[n - 2], p[n - 1]);
        if (InINotchBand(AbsTurn(p[n - 2], p[n - 1], p[n - 3], p[n - 2])) && m >= 80.0 && m <= 410.0 &&
            m <= PathLength(p, 0, n - 2)) {
            CCurve notch = NotchFrom(page.curves[i], {p[n - 2], p[n - 1]});
            notch.isINotch = 1;
            page.curves.push_back(std::move(notch));
            page.curves[i].points.pop_back();
        }
    }
}

void FindUNotches(COnePage& page) {
    const std::size_t count = page.curves.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (page.curves[i].kind < kFullCut || page.curves[i].points.size() <= 6) continue;
        std::size_t j = 2;
        while (j + 1 < page.curves[i].points.size()) {
            const std::vector<Point>& p = page.curves[i].points;
            const Point a = p[j - 2], b = p[j - 1], c = p[j], d = p[j + 1];
            const double ab = Distance(a, b), bc = Distance(b, c), cd = Distance(c, d);
            const double turn1 = AbsTurn(a, b, b, c);
            const double turn2 = AbsTurn(c, d, b, c);
            const bool isU = ab >= 160.0 && ab <= 240.0 && bc >= 36.0 && bc <= 84.0 && cd >= 160.0 &&
                             cd <= 240.0 && std::fabs(ab - cd) <= 20.0 && turn1 >= kUNotchMinTurn &&
                             turn1 <= kUNotchMaxTurn && turn2 >= kUNotchMinTurn && turn2 <= kUNotchMaxTurn;
            if (!isU) {
                ++j;
                continue;
            }
            CCurve mark;
            mark.kind = kDrawn;
            mark.role = kRoleNone;
            mark.lineType = 0;
            mark.points = {a, b, c, d};
            mark.CalcBounds();
            std::vector<Point>& q = page.curves[i].points;
            q.erase(q.begin() + static_cast<std::ptrdiff_t>(j - 1), q.begin() + static_cast<std::ptrdiff_t>(j + 1));
            page.curves.push_back(std::move(mark));
            j += 1;   // D now sits at j - 1: the next window starts there
        }
    }
}

}  // namespace pv
