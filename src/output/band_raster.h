#pragma once
// The band bitmap: one row per firing column of the band, one bit per dot
// along the paper feed (320 dots, four-head machine 640).  Drawn with
// cairo on a 1-bit surface without antialiasing; allocated once for the
// largest band (26,000 rows) and redrawn for every band.
//
// Pixel layout is cairo's: a row is 32-bit words, dot x in word x/32, the
// least significant bit first on a little-endian machine.
#include <bit>
#include <cstdint>
#include <vector>

#include <cairo.h>

#include "geometry/one_page.h"
#include "output/band_layout.h"
#include "output/band_path_builder.h"
#include "output/span_index.h"

namespace pv {

class BandRaster {
public:
    explicit BandRaster(Edition edition);
    ~BandRaster();
    BandRaster(const BandRaster&) = delete;
    BandRaster& operator=(const BandRaster&) = delete;

    int Width() const { return width_; }
    int WordsPerRow() const { return wordsPerRow_; }
    int RowCapacity() const { return kBandColumnCapacity; }
    // Rows drawn by the last Render call.
    int Rows() const { return rows_; }

    // Once per print: notes the X span (in dots) of every curve the band
    // will ink, so that a band visits only the curves that reach it (found
    // in logarithmic time, so a long marker's bands cost n·log n in all).
    void IndexPage(const COnePage& page, const RasterConfig& config);
    // Forgets the page's index (its memory goes with it).
    void ForgetPage() {
        solid_.Clear();
        dashed_.Clear();
        std::vector<std::uint32_t>().swap(hits_);
    }

    // Draws drawing band `a` (the page must be the indexed one) into rows
    // [0, rows).
    void RenderDrawing(const COnePage& page, const BandLayout& layout, std::int32_t a, int rows);
    // Draws the head-cleaning band into rows [0, rows).
    void RenderCleaning(const BandLayout& layout, int rows);

    bool Dot(int row, int dot) const;
    const std::uint32_t* RowWords(int row) const {
        return pixels_.data() + static_cast<std::size_t>(row) * wordsPerRow_;
    }
    // Calls f(dot) for every inked dot of a row, in increasing order.
    template <class F>
    void ForEachDot(int row, F&& f) const {
        const std::uint32_t* w = RowWords(row);
        for (int i = 0; i < wordsPerRow_; ++i) {
            std::uint32_t v = w[i];
            while (v != 0) {
                if constexpr (std::endian::native == std::endian::little) {
                    f(32 * i + std::countr_zero(v));
                    v &= v - 1;
                } else {
                    const int b = std::countl_zero(v);
                    f(32 * i + b);
                    v &= ~(0x80000000u >> b);
                }
            }
        }
    }

private:
    void beginBand(int rows);
    void endBand();
    void ensureContext();


    int width_;
    int wordsPerRow_;
    int rows_ = 0;
    std::vector<std::uint32_t> pixels_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    // Dots of X of the inked curves (before the band start is taken off),
    // by the curve's place in the page; solid and dashed lines apart.
    SpanIndex solid_, dashed_;
    std::vector<std::uint32_t> hits_;
    BandPathBuilder paths_;
};

}  // namespace pv
