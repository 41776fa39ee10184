#include "output/band_path_builder.h"

#include <cmath>

#include "output/band_layout.h"

namespace pv {
namespace {

constexpr double kDashPeriod = BandPathBuilder::kDashOn + BandPathBuilder::kDashOff;

// Walks the dashes of one clipped run of a dashed curve.
class DashWalker {
public:
    explicit DashWalker(cairo_t* cr) : cr_(cr) {}
    void restart() { penDown_ = false; }
    // The piece from (x0, y0) at curve distance d0 to (x1, y1) at d1.
    void piece(double x0, double y0, double d0, double x1, double y1, double d1) {
        const double len = d1 - d0;
        if (!(len > 0)) return;
        const auto at = [&](double d, double& x, double& y) {
            const double t = (d - d0) / len;
            x = x0 + (x1 - x0) * t;
            y = y0 + (y1 - y0) * t;
        };
        double d = d0;
        while (d < d1) {
            const double m = std::fmod(d, kDashPeriod);
            const double periodStart = d - m;
            if (m < BandPathBuilder::kDashOn) {
                const double dashEnd = periodStart + BandPathBuilder::kDashOn;
                const double end = dashEnd < d1 ? dashEnd : d1;
                double x, y;
                if (!penDown_) {
                    at(d, x, y);
                    cairo_move_to(cr_, x, y);
                    penDown_ = true;
                }
                at(end, x, y);
                cairo_line_to(cr_, x, y);
                if (end >= dashEnd) penDown_ = false;
                d = end > d ? end : d1;
            } else {
                penDown_ = false;
                const double gapEnd = periodStart + kDashPeriod;
                d = (gapEnd < d1 && gapEnd > d) ? gapEnd : d1;
            }
        }
    }

private:
    cairo_t* cr_;
    bool penDown_ = false;
};

}  // namespace

void BandPathBuilder::Begin(const BandLayout& layout, std::int32_t a, int width, int rows) {
    const RasterConfig& c = layout.Config();
    dotBase_ = layout.DotOfX(0, a);
    rowBase_ = layout.RowOfY(0);
    pulses_ = c.carriagePulsesPerMm;
    interval_ = c.fireIntervalPulses;
    const double pad = c.lineWidth + 2.0;
    xmin_ = -pad;
    xmax_ = width + pad;
    ymin_ = -pad;
    ymax_ = rows + pad;
}

// Pixel centres: dot d covers x in [d, d+1).
double BandPathBuilder::mapX(std::int32_t x) const {
    return dotBase_ + std::trunc(x * kDotsPerMm / 40.0) + 0.5;
}

double BandPathBuilder::mapY(std::int32_t y) const {
    // Same expression as BandLayout::ColumnsOfY, so rows agree bit for bit.
    return rowBase_ + std::trunc((y / 40.0) * pulses_ * 0.01 / interval_) + 0.5;
}

bool BandPathBuilder::clipSegment(double x0, double y0, double x1, double y1, Clip& c) const {
    double t0 = 0.0, t1 = 1.0;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - xmin_, xmax_ - x0, y0 - ymin_, ymax_ - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1) return false;
            if (r > t0) t0 = r;
        } else {
            if (r < t0) return false;
            if (r < t1) t1 = r;
        }
    }
    c = {t0, t1};
    return true;
}

void BandPathBuilder::AddCurve(cairo_t* cr, std::span<const Point> points, bool dashed) const {
    if (points.size() < 2) return;
    DashWalker dashes(cr);
    double px = mapX(points[0].x), py = mapY(points[0].y);
    double along = 0.0;     // curve length before the current segment, pixels
    bool inside = false;    // the previous segment ended inside the clip box
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double qx = mapX(points[i].x), qy = mapY(points[i].y);
        const double len = std::sqrt((qx - px) * (qx - px) + (qy - py) * (qy - py));
        Clip c{};
        if (!clipSegment(px, py, qx, qy, c)) {
            inside = false;
        } else {
            const double ax = px + (qx - px) * c.t0, ay = py + (qy - py) * c.t0;
            const double bx = px + (qx - px) * c.t1, by = py + (qy - py) * c.t1;
            const bool fresh = !inside || c.t0 > 0.0;
            if (dashed) {
                if (fresh) dashes.restart();
                dashes.piece(ax, ay, along + c.t0 * len, bx, by, along + c.t1 * len);
            } else {
                if (fresh) cairo_move_to(cr, ax, ay);
                cairo_line_to(cr, bx, by);
            }
            inside = c.t1 >= 1.0;
        }
        along += len;
        px = qx;
        py = qy;
    }
}

}  // namespace pv
