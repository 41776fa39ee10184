#include "geometry/view_mapping.h"

#include <algorithm>
#include <cmath>

namespace pv {

namespace {

std::int32_t RoundToInt32(double v) { return TruncToInt32(std::floor(v + 0.5)); }

}  // namespace

PixelRect PixelRect::Spanning(PixelPoint a, PixelPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

PixelPoint ViewMapping::ToPixel(Point p) const { return {TruncToInt32(PixelX(p.x)), TruncToInt32(PixelY(p.y))}; }

Point ViewMapping::ToWorld(PixelPoint p) const {
    const double x = (static_cast<double>(sx0) + p.x - kOriginLeft) / z;
    const double y = (static_cast<double>(H) - sy0 - p.y - kOriginBottom) / z;
    return {TruncToInt32(x), TruncToInt32(y)};
}

void ViewMapping::Fit(std::int32_t windowHeight, std::int32_t paperLenMm) {
    H = windowHeight;
    sx0 = sy0 = 0;
    const double fitted = (static_cast<double>(windowHeight) - 60.0) / (40.0 * paperLenMm);
    z = fitted > 0 && std::isfinite(fitted) ? std::clamp(fitted, kMinZoom, kMaxZoom) : kMinZoomOut;
}

bool ViewMapping::ZoomIn() {
    if (z * 2 > kMaxZoom) return false;
    z *= 2;
    return true;
}

bool ViewMapping::ZoomOut() {
    if (!(z > kMinZoomOut)) return false;
    sx0 /= 2;
    sy0 /= 2;
    z *= 0.5;
    return true;
}

bool ViewMapping::ZoomAbout(PixelPoint p, double factor) {
    const double next = z * factor;
    if (!(next >= kMinZoom && next <= kMaxZoom)) return false;
    // The drawing point under p, unrounded, then the offsets that put it
    // back under p at the new zoom.
    const double wx = (static_cast<double>(sx0) + p.x - kOriginLeft) / z;
    const double wy = (static_cast<double>(H) - sy0 - p.y - kOriginBottom) / z;
    z = next;
    sx0 = RoundToInt32(wx * z + kOriginLeft - p.x);
    sy0 = RoundToInt32(static_cast<double>(H) - wy * z - kOriginBottom - p.y);
    return true;
}

void ViewMapping::Pan(std::int32_t dx, std::int32_t dy) {
    sx0 = ClampToInt32(std::int64_t{sx0} + dx);
    sy0 = ClampToInt32(std::int64_t{sy0} + dy);
}

std::int32_t ViewMapping::GridStepMm(double z) {
    if (z < 0.005) return 500;
    if (z < 0.01) return 200;
    if (z < 0.02) return 100;
    if (z < 0.05) return 50;
    if (z < 0.1) return 20;
    return 10;
}

}  // namespace pv
