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


// How many points a long marker's knife outlines have: `base` plus up to
// `spread` more (the ink sewing line inside has half as many).
struct OutlinePoints {
    int base = 55;
    int spread = 36;
};

// A long roll marker: 1.6 m across, `lengthMm` along the feed, pieces of
// 150 to 300 mm in six rows, each with a knife outline of 55 to 90 points,
// two notches, an ink sewing line, a grain line and a few label strokes;
// along both edges of the roll a trim cut with a point every 100 mm runs
// the whole length.  No two pieces are alike (sizes and ripples vary with
// the piece's number), so the knife and ink work differ from window to
// window.  About 56 KB of HPGL per metre: 636 m make about 35.6 MB.
inline COnePage LongMarker(double lengthMm, OutlinePoints outlinePoints = {}) {
    COnePage page;
    page.fileName = "long-marker.plt";
    const double length = lengthMm * kUnitsPerMm;
    const double across = 1600.0 * kUnitsPerMm;
    constexpr int kRows = 6;
    const double rowY = across / kRows;
    const auto vary = [](std::uint32_t n, std::uint32_t salt, std::uint32_t range) {
        std::uint32_t h = n * 2654435761u ^ salt * 40503u;
        h ^= h >> 15;
        h *= 2246822519u;
        h ^= h >> 13;
        return h % range;
    };
    std::uint32_t piece = 0;
    for (int row = 0; row < kRows; ++row) {
        double x = (row % 3) * 40.0 * kUnitsPerMm;   // rows staggered
        for (;;) {
            const double w = (150.0 + vary(piece, 1, 151)) * kUnitsPerMm;
            if (x + w > length) break;
            const double cx = x + w / 2, cy = (row + 0.5) * rowY;
            const double a = w * 0.46, b = rowY * 0.44;
            const int n = outlinePoints.base +
                          static_cast<int>(vary(piece, 2, static_cast<std::uint32_t>(outlinePoints.spread)));
            OutlineShape shape{0.4 + vary(piece, 3, 40) / 100.0, 0.02 + vary(piece, 4, 5) / 100.0,
                               2 + static_cast<int>(vary(piece, 5, 5))};
            CCurve knife = PieceOutline(cx, cy, a, b, n, shape);
            knife.kind = kFullCut;
            knife.Tidy();
            page.curves.push_back(std::move(knife));
            // Notches: short V cuts on the top and bottom edges.
            for (const double side : {-1.0, 1.0}) {
                const auto nx = static_cast<std::int32_t>(cx + side * a * 0.3);
                const auto ny = static_cast<std::int32_t>(cy + side * b);
                CCurve notch = Polyline({{nx - 40, ny}, {nx, static_cast<std::int32_t>(ny - side * 160)}, {nx + 40, ny}});
                notch.kind = kFullCut;
                page.curves.push_back(std::move(notch));
            }
            CCurve sewing = PieceOutline(cx, cy, a * 0.92, b * 0.9, n / 2, shape);
            sewing.Tidy();
            page.curves.push_back(std::move(sewing));
            page.curves.push_back(Polyline({{static_cast<std::int32_t>(cx - a * 0.6), static_cast<std::int32_t>(cy)},
                                            {static_cast<std::int32_t>(cx + a * 0.6), static_cast<std::int32_t>(cy)}}));
            for (int k = 0; k < 6; ++k) {
                const auto x0 = static_cast<std::int32_t>(cx - 600 + 100 * k);
                const auto y0 = static_cast<std::int32_t>(cy + b * 0.4);
                page.curves.push_back(Polyline({{x0, y0}, {x0 + 60, y0 + 120}, {x0 + 90, y0}}));
            }
            x += w + 8.0 * kUnitsPerMm;
            ++piece;
        }
    }
    for (const double y : {2.0 * kUnitsPerMm, across - 2.0 * kUnitsPerMm}) {
        CCurve trim;
        trim.kind = kFullCut;
        for (double x = 0; x < length; x += 100.0 * kUnitsPerMm)
            trim.points.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y + (static_cast<std::int64_t>(x) / 4000 % 2))});
        trim.points.push_back({static_cast<std::int32_t>(length), static_cast<std::int32_t>(y)});
        page.curves.push_back(std::move(trim));
    }
    page.CalcBounds();
    return page;
}

}  // namespace pv::bench
