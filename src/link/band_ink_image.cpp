#include "link/band_ink_image.h"

#include <cairo.h>

#include <algorithm>
#include <map>

#include "output/band_decoder.h"
#include "output/band_layout.h"
#include "output/band_result.h"

namespace pv {

namespace {
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 31;
}

BandInk ReconstructBandInk(const PlotterJob& job, const RasterConfig& config) {
    BandInk ink;
    if (job.bands.empty() || job.columnCount <= 0 || !config.Valid()) return ink;
    const BandLayout layout(config);
    const int step = layout.Heads().BandStep();
    // The last copy of each band index counts.
    std::map<std::int32_t, const PlotterBand*> bands;
    for (const auto& b : job.bands)
        if (b.index >= 0) bands[b.index] = &b;
    if (bands.empty()) return ink;
    const std::int64_t rows = layout.BitmapRows(job.columnCount);
    const std::int64_t height = static_cast<std::int64_t>(bands.rbegin()->first + 1) * step;
    if (rows <= 0 || rows > kBandColumnCapacity * 2 || height <= 0 || rows * height > kMaxPixels) {
        ink.bandsUndecodable = static_cast<int>(bands.size());
        return ink;
    }
    ink.width = static_cast<int>(rows);
    ink.height = static_cast<int>(height);
    ink.dots.assign(static_cast<std::size_t>(rows * height), 0);

    BandDecoder decoder(config, job.columnCount);
    BandDots dots;
    for (const auto& [index, band] : bands) {
        BandDecodeStats stats;
        if (decoder.Decode(band->data, index, dots, &stats) != kBandOk) {
            ++ink.bandsUndecodable;
            continue;
        }
        ink.strayFirings += stats.strayFirings;
        const std::int64_t top = static_cast<std::int64_t>(index) * step;
        const int r1 = std::min(dots.Rows(), ink.width);
        const int d1 = std::min(dots.Width(), step);
        for (int r = 0; r < r1; ++r)
            for (int d = 0; d < d1; ++d)
                if (dots.Get(r, d)) ink.dots[static_cast<std::size_t>((top + d) * ink.width + r)] = 1;
    }
    return ink;
}

bool WriteBandInkImage(const BandInk& ink, const std::string& path) {
    const int width = std::max(ink.width, 1);
    const int height = std::max(ink.height, 1);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            data[static_cast<std::size_t>(y) * stride + x] = ink.Get(x, y) ? 255 : 0;
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

}  // namespace pv
