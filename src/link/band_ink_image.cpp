#include "link/band_ink_image.h"

#include <cairo.h>

#include <algorithm>

namespace pv {

bool WriteBandInkImage(const PlotterJob& job, const std::string& path) {
    const int width = std::clamp(job.columnCount, 1, 30000);
    const int height = 1;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

}  // namespace pv
