#pragma once
// Turns a curve of the drawing into path segments of a band bitmap: maps
// its points to dots and rows, clips each segment to the bitmap (with room
// for the pen), and for dashed curves cuts the line into its dashes of 20
// pixels drawn and 10 blank, measured along the whole curve so that the
// dashes do not restart where a curve leaves and re-enters a band.
#include <cstdint>
#include <span>

#include <cairo.h>

#include "geometry/point.h"

namespace pv {

class BandLayout;

class BandPathBuilder {
public:
    static constexpr double kDashOn = 20.0;    // pixels
    static constexpr double kDashOff = 10.0;   // pixels

    // Prepares for band `a` of a bitmap `width` dots wide and `rows` rows high.
    void Begin(const BandLayout& layout, std::int32_t a, int width, int rows);

    // Appends the curve to the current path of `cr` (a solid line: its
    // clipped polylines; a dashed line: its dashes as separate sub-paths).
    void AddCurve(cairo_t* cr, std::span<const Point> points, bool dashed) const;

private:
    struct Clip {
        double t0, t1;
    };
    bool clipSegment(double x0, double y0, double x1, double y1, Clip& c) const;
    double mapX(std::int32_t x) const;
    double mapY(std::int32_t y) const;

    double dotBase_ = 0;      // dot of X 0 (line width less band start)
    double rowBase_ = 0;      // row of Y 0
    double pulses_ = 8000;    // carriage pulses per mm × 100
    double interval_ = 11;    // firing interval, pulses
    double xmin_ = 0, xmax_ = 0, ymin_ = 0, ymax_ = 0;
};

}  // namespace pv
