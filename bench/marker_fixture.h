#pragma once
// Garment markers built in memory for the benchmark programs.  Coordinates
// are plotter units (1/40 mm).
#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "geometry/one_page.h"

namespace pv::bench {

constexpr std::int32_t kUnitsPerMm = 40;

// How a piece outline bends: a superellipse |x/a|^e + |y/b|^e (small e:
// flat sides, round corners), its y optionally rippled by
// ripple × b × sin(waves × t) so that no two sides are alike.
struct OutlineShape {
    double exponent = 0.3;
    double ripple = 0.0;
    int waves = 0;
};

// A closed outline of n points (the first repeated at the end) around
// (cx, cy), half sizes a × b.
inline CCurve PieceOutline(double cx, double cy, double a, double b, int n, OutlineShape shape = {}) {
    CCurve c;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * 3.141592653589793 * (i % n) / n;
        const double ct = std::cos(t), st = std::sin(t);
        const double x = cx + a * std::copysign(std::pow(std::fabs(ct), shape.exponent), ct);
        double y = cy + b * std::copysign(std::pow(std::fabs(st), shape.exponent), st);
        if (shape.waves != 0) y += shape.ripple * b * std::sin(shape.waves * t);
        c.points.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
    }
    return c;
}

inline CCurve Polyline(std::initializer_list<Point> pts) {
    CCurve c;
    c.points = pts;
    return c;
}

// The 2 m × 3 m print marker: 3 m along the feed, 2 m across, 15 × 8 pieces
// of about 200 × 250 mm, each with a knife outline of 400 points (rounded
// corners), an ink sewing line just inside it, a grain line and 40 short
// label strokes 3 mm high.
inline COnePage GarmentMarker() {
    COnePage page;
    page.fileName = "marker.plt";
    const double pieceX = 200.0 * kUnitsPerMm, pieceY = 250.0 * kUnitsPerMm;
    const auto outline = [](std::int32_t kind, double cx, double cy, double a, double b) {
        CCurve c = PieceOutline(cx, cy, a, b, 400);
        c.kind = kind;
        c.Tidy();
        return c;
    };
    for (int i = 0; i < 15; ++i) {
        for (int j = 0; j < 8; ++j) {
            const double cx = (i + 0.5) * pieceX, cy = (j + 0.5) * pieceY;
            page.curves.push_back(outline(kFullCut, cx, cy, pieceX * 0.46, pieceY * 0.46));
            page.curves.push_back(outline(kDrawn, cx, cy, pieceX * 0.42, pieceY * 0.42));
            page.curves.push_back(Polyline({{static_cast<std::int32_t>(cx - pieceX * 0.3), static_cast<std::int32_t>(cy)},
                                            {static_cast<std::int32_t>(cx + pieceX * 0.3), static_cast<std::int32_t>(cy)}}));
            for (int k = 0; k < 40; ++k) {
                const auto x0 = static_cast<std::int32_t>(cx - 2000 + 100 * k);
                const auto y0 = static_cast<std::int32_t>(cy + 1500);
                page.curves.push_back(Polyline({{x0, y0}, {x0 + 60, y0 + 120}, {x0 + 90, y0}}));
            }
        }
    }
    page.CalcBounds();
    return page;
}

}  // namespace pv::bench
