#pragma once
// Small builders shared by the knife-data tests.
#include <initializer_list>
#include <vector>

#include "geometry/curve.h"
#include "geometry/one_page.h"
#include "geometry/point.h"

namespace pv::test {

inline CCurve MakeCurve(std::int32_t kind, std::initializer_list<Point> pts, std::int32_t lineType = 0) {
    CCurve c;
    c.kind = kind;
    c.lineType = lineType;
    c.points = pts;
    c.CalcBounds();
    return c;
}

inline COnePage MakePage(std::initializer_list<CCurve> curves) {
    COnePage page;
    for (const CCurve& c : curves) page.curves.push_back(c);
    return page;
}

// (kind, rounded length) of every curve, in list order.
struct KindLength {
    std::int32_t kind;
    long length;
    friend bool operator==(const KindLength&, const KindLength&) = default;
};

inline std::vector<KindLength> KindsAndLengths(COnePage& page) {
    std::vector<KindLength> out;
    for (CCurve& c : page.curves) {
        c.CalcLength();
        out.push_back({c.kind, static_cast<long>(c.length + 0.5)});
    }
    return out;
}

}  // namespace pv::test
