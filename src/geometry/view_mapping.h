#pragma once
// How the drawing view lays the page on its window: zoom z in pixels per
// plotter unit (1/40 mm) and the scroll offsets sx0, sy0 in pixels.  The
// drawing's origin sits 50 pixels from the left and 30 pixels from the
// bottom of a window H pixels high; X grows to the right and Y upward.
#include <cstdint>

#include "geometry/point.h"

namespace pv {

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A rectangle of view pixels, left/top inclusive and right/bottom
// exclusive, as the window system's rectangles are.
struct PixelRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    // The rectangle spanned by two corners in any order.
    static PixelRect Spanning(PixelPoint a, PixelPoint b);
    bool Contains(PixelPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
};

class ViewMapping {
public:
    static constexpr std::int32_t kOriginLeft = 50;     // pixels
    static constexpr std::int32_t kOriginBottom = 30;   // pixels
    // Zoom limits (pixels per plotter unit).  Page Down stops at the lower
    // one as the operator expects; the upper one keeps pixel positions of a
    // full-size drawing inside the range the painter can work with.
    static constexpr double kMinZoomOut = 0.001;
    static constexpr double kMaxZoom = 64.0;
    static constexpr double kMinZoom = 1e-6;

    double z = 0.01;
    std::int32_t sx0 = 0;
    std::int32_t sy0 = 0;
    std::int32_t H = 0;

    // (trunc(x·z + 50 − sx0), trunc(H − y·z − 30 − sy0)), saturating.
    PixelPoint ToPixel(Point p) const;
    // The same without truncation, for drawing and clipping.
    double PixelX(std::int32_t x) const { return x * z + kOriginLeft - sx0; }
    double PixelY(std::int32_t y) const { return H - y * z - kOriginBottom - sy0; }
    // (trunc((sx0 + px − 50)/z), trunc((H − sy0 − py − 30)/z)), saturating.
    Point ToWorld(PixelPoint p) const;

    // The paper width (PaperLenMm) fills the window's height less 60
    // pixels; the scroll offsets go back to 0.  A window too small to show
    // anything, or a paper width of 0 or less, still gets a usable zoom.
    void Fit(std::int32_t windowHeight, std::int32_t paperLenMm);
    // Page Up: z doubled (up to kMaxZoom).  False when nothing changed.
    bool ZoomIn();
    // Page Down: while z > 0.001 the offsets are halved (integer division)
    // and z halved.  False when nothing changed.
    bool ZoomOut();
    // Wheel zoom by `factor` about a pixel: the drawing point under it stays
    // under it.  False when the zoom limits left z as it was.
    bool ZoomAbout(PixelPoint p, double factor);
    void Pan(std::int32_t dx, std::int32_t dy);

    // Grid step in mm for a zoom: 500, 200, 100, 50, 20 or 10.
    static std::int32_t GridStepMm(double z);
};

}  // namespace pv
