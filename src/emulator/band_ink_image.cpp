#include "emulator/band_ink_image.h"

#include <cairo.h>

#include <algorithm>
#include <map>

#include "emulator/band_decoder.h"
#include "output/band_layout.h"
#include "output/band_result.h"

namespace pv {

namespace {

// The bytes of a received band up to the end of its compressed data: what
// follows is the padding of the last bulk packet.  A zero word and the
// run length after it stand for that many zero words.
std::size_t CompressedLength(const std::vector<std::uint8_t>& data, std::int64_t words) {
    std::int64_t produced = 0;
    std::size_t at = 0;
    while (produced < words && at + 2 <= data.size()) {
        const unsigned w = data[at] | static_cast<unsigned>(data[at + 1]) << 8;
        at += 2;
        if (w != 0) {
            ++produced;
        } else if (at + 2 <= data.size()) {
            produced += data[at] | static_cast<unsigned>(data[at + 1]) << 8;
            at += 2;
        } else {
            break;
        }
    }
    return at;
}

constexpr std::int64_t kMaxPixels = std::int64_t{1} << 31;
constexpr std::int64_t kMaxRgbPixels = 50'000'000;
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
        const std::int64_t words = static_cast<std::int64_t>(job.columnCount) * layout.Heads().BytesPerColumn() / 2;
        const std::span<const std::uint8_t> bytes(band->data.data(), CompressedLength(band->data, words));
        if (decoder.Decode(bytes, index, dots, &stats) != kBandOk) {
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
    // Black ink on white paper; a picture too large for that is written with
    // one bit per pixel, the ink opaque.
    const bool small = static_cast<std::int64_t>(width) * height <= kMaxRgbPixels;
    cairo_surface_t* s = cairo_image_surface_create(small ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_A1, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = data + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const bool inked = y < ink.height && x < ink.width && ink.Get(x, y);
            if (small) {
                reinterpret_cast<std::uint32_t*>(row)[x] = inked ? 0x000000u : 0xFFFFFFu;
            } else if (inked) {
                // A1 pixels are packed in 32-bit words, lowest bit first on a
                // little-endian machine.
                reinterpret_cast<std::uint32_t*>(row)[x / 32] |= 1u << (x % 32);
            }
        }
    }
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

}  // namespace pv
