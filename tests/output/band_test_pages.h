#pragma once
// Pages and settings shared by the band tests.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "geometry/one_page.h"
#include "output/band_layout.h"
#include "output/raster_config.h"

namespace pv::bandtest {

// One column per mm (100 pulses per mm, firing every pulse), 1-pixel pen,
// no cleaning: rows and dots are easy to aim at.
inline RasterConfig SimpleConfig(Edition e = Edition::TwoHead) {
    RasterConfig c;
    c.edition = e;
    c.lineWidth = 1;
    c.cleanAtStart = false;
    c.cleanAtSection = false;
    c.carriagePulsesPerMm = 100;
    c.fireIntervalPulses = 1;
    c.nozzleColumnGapPx = 30;
    c.posLeft = {5, 200, 0, 0};
    c.posRight = {9, 190, 0, 0};
    c.overlap = {2, 0, 0};
    if (IsFourHead(e)) {
        c.posLeft = {5, 220, 435, 650};
        c.posRight = {11, 214, 441, 644};
        c.overlap = {2, 3, 4};
    }
    return c;
}

inline CCurve Line(std::initializer_list<Point> pts, int lineType = 0, int kind = kDrawn) {
    CCurve c;
    c.points = pts;
    c.lineType = lineType;
    c.kind = kind;
    return c;
}

// A small pattern piece: outline with curves and diagonals, a dashed seam
// line, a notch, about 80 mm along the paper and `widthMm` across it,
// raised by 10 mm as print preparation does.
inline COnePage PatternPage(int widthMm = 120) {
    COnePage page;
    const int w = widthMm * 40;
    page.curves.push_back(Line({{40, 40}, {3000, 80}, {3100, w - 40}, {60, w - 80}, {40, 40}}));
    page.curves.push_back(Line({{200, 200}, {2900, w - 200}}));
    page.curves.push_back(Line({{2900, 300}, {250, w - 300}}, 1));
    std::vector<Point> round;
    for (int i = 0; i <= 72; ++i) {
        const double t = i * 3.14159265359 / 36;
        round.push_back({1500 + static_cast<int>(900 * std::cos(t)),
                         w / 2 + static_cast<int>(1500 * std::sin(t))});
    }
    CCurve r;
    r.points = round;
    page.curves.push_back(r);
    page.curves.push_back(Line({{1000, 40}, {1000, 400}}));
    page.curves.push_back(Line({{1200, 500}, {1700, 500}, {1700, 1200}}, 2));  // dashed type
    for (CCurve& c : page.curves)
        for (Point& p : c.points) p.y += 400;
    return page;
}

// Largest X and Y of a page's points.
inline Point PageExtent(const COnePage& page) {
    Point m{0, 0};
    for (const CCurve& c : page.curves)
        for (const Point& p : c.points) {
            m.x = std::max(m.x, p.x);
            m.y = std::max(m.y, p.y);
        }
    return m;
}

// ColumnCount for a page as print preparation would set it.
inline std::int32_t ColumnsFor(const RasterConfig& c, std::int32_t maxX, std::int32_t maxY) {
    return BandLayout(c).CountBands(maxX, maxY).columnCount;
}

}  // namespace pv::bandtest
