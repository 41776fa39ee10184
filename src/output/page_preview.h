#pragma once
// A picture of a page as the drawing view shows it: black background, the
// paper frame in green, the millimetre grid, drawn lines first and then the
// knife lines in their kinds' colours, dashed lines dashed.  Used by the
// command-line tool and by anything that needs a snapshot of a job.
#include <cmath>
#include <cstdint>
#include <string>

#include "geometry/one_page.h"

typedef struct _cairo cairo_t;

namespace pv {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The view colour of a curve: kind 1 white (magenta when it took part in an
// outline search), 2 red, 3 yellow, 4 green, 5 cyan.
Rgb CurveColour(const CCurve& curve);

// Where the view puts a point: zoom z in pixels per plotter unit, scroll
// offsets in pixels and the window height; X grows to the right, Y upward,
// the origin 50 pixels from the left and 30 from the bottom.
struct ViewTransform {
    double z = 0.0075;
    double sx0 = 0, sy0 = 0;
    int height = 660;

    double PixelX(double x) const { return std::trunc(x * z + 50 - sx0); }
    double PixelY(double y) const { return std::trunc(height - y * z - 30 - sy0); }
};

struct PreviewOptions {
    int widthPx = 1200;            // picture width
    std::int32_t paperLenMm = 2000;   // paper width across Y, PaperLenMm
    bool grid = true;
};

// The picture size and transform that show the paper frame and every curve
// of the page in `widthPx` pixels across (the height follows; both sides are
// kept within 8192 pixels).
struct PreviewLayout {
    int width = 0;
    int height = 0;
    ViewTransform view;
};
PreviewLayout LayoutPreview(const COnePage& page, const PreviewOptions& options);

// Draws background, frame, grid and curves onto a cairo context whose
// surface is `width` pixels wide and view.height pixels high.
void DrawPagePreview(cairo_t* cr, const COnePage& page, const ViewTransform& view, int width,
                     const PreviewOptions& options);

// Renders the page into a PNG file, replacing the file whole or not at all.
// False (with the reason in `error`) when nothing was written.
bool WritePagePreviewPng(const COnePage& page, const PreviewOptions& options, const std::string& path,
                         std::string* error = nullptr);

}  // namespace pv
