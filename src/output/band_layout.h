#pragma once
// The arithmetic of bands: how many a drawing needs, how many firing
// columns each has, where a point of the drawing lands in a band's bitmap,
// which positions and order a band is sent with.
//
// Raster X (paper feed) is 300 dots per inch; raster Y (carriage) is one
// column per firing interval of the carriage motor.  Drawing coordinates
// are plotter units (1/40 mm).
#include <cstdint>

#include "output/head_geometry.h"
#include "output/raster_config.h"

namespace pv {

inline constexpr double kDotsPerMm = 11.811023622047244;
// Rows of the band bitmap and columns of the column array.
inline constexpr int kBandColumnCapacity = 26000;

struct BandCountResult {
    int result = 0;                // 0, or kBandBadParameters
    std::int32_t bands = 0;        // BandCount / PlotBandCount
    std::int32_t columnCount = 0;  // ColumnCount; meaningful when columnsSet
    bool columnsSet = false;       // false for zero extents: ColumnCount keeps its value
    bool fits = true;              // the bands fit the band buffers (see BandLayout::Fits)
};

class BandLayout {
public:
    explicit BandLayout(const RasterConfig& config);

    const RasterConfig& Config() const { return config_; }
    const HeadGeometry& Heads() const { return heads_; }

    // Band count of a drawing reaching maxX, maxY (plotter units); also the
    // column count.  Both extents 0: no bands and no column count.
    BandCountResult CountBands(std::int32_t maxX, std::int32_t maxY) const;

    // X in plotter units where band a ends.
    std::int32_t BandEndX(std::int32_t a) const;

    // Dot of band a for a drawing X (may lie outside the bitmap).
    double DotOfX(std::int32_t x, std::int32_t a) const;
    // Bitmap row for a drawing Y (may lie outside the bitmap).
    double RowOfY(std::int32_t y) const;
    // Columns (not truncated) for a carriage distance in plotter units.
    double ColumnsOfY(double y) const;

    // Rows of the band bitmap for a column count: ColumnCount + M.
    std::int64_t BitmapRows(std::int32_t columnCount) const;
    // Whether bands of this column count fit the buffers.
    bool Fits(std::int32_t columnCount) const;
    // Four-head: rows laid out per cartridge (R, or ColumnCount for 1# alone).
    std::int32_t PlacedRows(std::int32_t columnCount) const;

    // Margins in columns: A (right) and B (left).
    std::int32_t RightMarginColumns() const;
    std::int32_t LeftMarginColumns() const;

    bool IsCleaningBand(std::int32_t a) const { return a == 0 && config_.cleanAtStart; }
    bool HasSectionBars(std::int32_t a) const;
    // Printed while the carriage moves rightwards (R positions) and sent in
    // reverse column order: bidirectional printing and an odd band.
    bool IsReversed(std::int32_t a) const { return config_.bidirectional && (a % 2) != 0; }

    // The cleaning band's logo: s, L (characters) and the mirrored span N.
    int LogoSize() const { return config_.cusStrFontSize; }
    int LogoLength() const;
    std::int64_t CleaningSpan() const;

private:
    RasterConfig config_;
    HeadGeometry heads_;
    int logoLength_ = 0;
};

}  // namespace pv
