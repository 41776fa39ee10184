#include "output/page_preview.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "settings/atomic_file_writer.h"

namespace pv {

namespace {

constexpr int kMaxSide = 8192;       // pixels
constexpr int kMinSide = 64;         // pixels
constexpr int kMaxGridLines = 4000;  // per direction; beyond that the grid is left out

struct Extent {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
};

Extent PointExtent(const COnePage& page) {
    Extent e;
    bool any = false;
    for (const CCurve& c : page.curves) {
        for (const Point& p : c.points) {
            if (!any) {
                e = {double(p.x), double(p.x), double(p.y), double(p.y)};
                any = true;
            }
            e.minX = std::min(e.minX, double(p.x));
            e.maxX = std::max(e.maxX, double(p.x));
            e.minY = std::min(e.minY, double(p.y));
            e.maxY = std::max(e.maxY, double(p.y));
        }
    }
    return e;
}

double PaperWidthUnits(const PreviewOptions& o) { return 40.0 * o.paperLenMm; }

void SetColour(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

// Grid step in mm for a zoom.
int GridStepMm(double z) {
    if (z < 0.005) return 500;
    if (z < 0.01) return 200;
    if (z < 0.02) return 100;
    if (z < 0.05) return 50;
    if (z < 0.1) return 20;
    return 10;
}

// Grid labels are digits only; they are drawn as strokes of their own so the
// picture needs no system font and looks the same everywhere.  Each digit is
// polylines on a 4 x 6 pixel cell (y downward): pairs of x, y, a space
// between polylines.
const char* DigitStrokes(char c) {
    static const char* const kDigits[10] = {
        "0040460600", "112026", "004043030646", "00404606 0343", "000343 4046",
        "400003434606", "400006464303", "004046", "0040460600 0343", "430300404606",
    };
    return c >= '0' && c <= '9' ? kDigits[c - '0'] : "";
}

// Digits whose top-left corner is at the pixel (x, y), 7 pixels high.
void Label(cairo_t* cr, double x, double y, const char* text) {
    for (; *text; ++text, x += 6) {
        bool start = true;
        for (const char* s = DigitStrokes(*text); *s;) {
            if (*s == ' ') {
                start = true;
                ++s;
                continue;
            }
            const double px = x + (s[0] - '0') + 0.5, py = y + (s[1] - '0') + 0.5;
            if (start) cairo_move_to(cr, px, py);
            else cairo_line_to(cr, px, py);
            start = false;
            s += 2;
        }
    }
    cairo_stroke(cr);
}

void DrawGrid(cairo_t* cr, const ViewTransform& v, double maxX, const PreviewOptions& o) {
    const int d = GridStepMm(v.z);
    const double step = 40.0 * d;
    const double columns = std::floor(maxX / step), rows = std::floor(double(o.paperLenMm) / d);
    SetColour(cr, {0, 255, 0});
    Label(cr, v.PixelX(0) - 12, v.PixelY(0) + 6, "0");
    char text[32];
    if (columns <= kMaxGridLines) {
        for (int k = 1; k <= int(columns); ++k) {
            const double x = v.PixelX(step * k) + 0.5;
            SetColour(cr, {20, 60, 60});
            cairo_move_to(cr, x, v.PixelY(0) + 0.5);
            cairo_line_to(cr, x, v.PixelY(PaperWidthUnits(o)) + 0.5);
            cairo_stroke(cr);
            SetColour(cr, {0, 255, 0});
            std::snprintf(text, sizeof text, "%03d", d * k);
            Label(cr, x - 12, v.PixelY(0) + 6, text);
        }
    }
    if (rows <= kMaxGridLines) {
        for (int k = 1; k <= int(rows); ++k) {
            const double y = v.PixelY(step * k) + 0.5;
            SetColour(cr, {20, 60, 60});
            cairo_move_to(cr, v.PixelX(0) + 0.5, y);
            cairo_line_to(cr, v.PixelX(maxX) + 0.5, y);
            cairo_stroke(cr);
            SetColour(cr, {0, 255, 0});
            std::snprintf(text, sizeof text, "%03d", d * k);
            Label(cr, v.PixelX(0) - 36, y - 8, text);
        }
    }
}

void DrawCurve(cairo_t* cr, const CCurve& c, const ViewTransform& v) {
    if (c.points.empty()) return;
    static const double kDash[] = {6.0, 4.0};
    SetColour(cr, CurveColour(c));
    cairo_set_dash(cr, kDash, c.lineType == 1 ? 2 : 0, 0);
    cairo_move_to(cr, v.PixelX(c.points[0].x) + 0.5, v.PixelY(c.points[0].y) + 0.5);
    if (c.points.size() == 1) {
        cairo_rel_line_to(cr, 0.01, 0);   // a lone point still shows
    }
    for (std::size_t i = 1; i < c.points.size(); ++i)
        cairo_line_to(cr, v.PixelX(c.points[i].x) + 0.5, v.PixelY(c.points[i].y) + 0.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

cairo_status_t WriteChunk(void* closure, const unsigned char* data, unsigned int length) {
    auto* file = static_cast<AtomicFileWriter*>(closure);
    return file->Write({reinterpret_cast<const char*>(data), length}) ? CAIRO_STATUS_SUCCESS
                                                                       : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

Rgb CurveColour(const CCurve& curve) {
    switch (curve.kind) {
        case kDrawn: return curve.role == kRoleTried ? Rgb{250, 0, 250} : Rgb{255, 255, 255};
        case kFullCut: return {255, 0, 0};
        case kHalfCut: return {255, 255, 0};
        case kDotGap: return {0, 255, 0};
        case kDot: return {0, 255, 255};
        default: return {255, 255, 255};
    }
}

PreviewLayout LayoutPreview(const COnePage& page, const PreviewOptions& options) {
    const Extent e = PointExtent(page);
    const double xLo = std::min(0.0, e.minX);
    const double xSpan = std::max(std::max(e.maxX, 0.0) - xLo, 4000.0);   // at least 100 mm
    const double yLo = std::min({0.0, e.minY, PaperWidthUnits(options)});
    const double ySpan = std::max({e.maxY, PaperWidthUnits(options), 0.0}) - yLo;

    PreviewLayout l;
    l.width = std::clamp(options.widthPx, kMinSide, kMaxSide);
    double z = (l.width - 70) / xSpan;
    double height = std::ceil(ySpan * z) + 50;
    if (height > kMaxSide) {
        z = (kMaxSide - 50) / std::max(ySpan, 1.0);
        height = kMaxSide;
    }
    l.height = std::max(kMinSide, int(height));
    l.view.z = z;
    l.view.height = l.height;
    l.view.sx0 = xLo * z;
    l.view.sy0 = -yLo * z;
    return l;
}

void DrawPagePreview(cairo_t* cr, const COnePage& page, const ViewTransform& view, int width,
                     const PreviewOptions& options) {
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_rectangle(cr, 0, 0, width, view.height);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.0);

    const double maxX = std::max(PointExtent(page).maxX, 0.0);
    SetColour(cr, {0, 255, 0});
    const double left = view.PixelX(0) - 4, right = view.PixelX(maxX) + 4;
    const double bottom = view.PixelY(0) + 4, top = view.PixelY(PaperWidthUnits(options)) - 4;
    cairo_rectangle(cr, left + 0.5, std::min(top, bottom) + 0.5, right - left, std::abs(bottom - top));
    cairo_stroke(cr);
    if (options.grid) DrawGrid(cr, view, maxX, options);

    for (const CCurve& c : page.curves)
        if (c.kind == kDrawn) DrawCurve(cr, c, view);
    for (const CCurve& c : page.curves)
        if (c.kind != kDrawn) DrawCurve(cr, c, view);
    cairo_restore(cr);
}

bool WritePagePreviewPng(const COnePage& page, const PreviewOptions& options, const std::string& path,
                         std::string* error) {
    const PreviewLayout layout = LayoutPreview(page, options);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, layout.width, layout.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        if (error) *error = cairo_status_to_string(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return false;
    }
    cairo_t* cr = cairo_create(surface);
    DrawPagePreview(cr, page, layout.view, layout.width, options);
    cairo_destroy(cr);
    cairo_surface_flush(surface);

    AtomicFileWriter file(path);
    bool ok = file.Open();
    if (ok) {
        const cairo_status_t status = cairo_surface_write_to_png_stream(surface, WriteChunk, &file);
        ok = status == CAIRO_STATUS_SUCCESS && file.Commit();
        if (!ok && error) *error = file.Error().empty() ? cairo_status_to_string(status) : file.Error();
    } else if (error) {
        *error = file.Error();
    }
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace pv
