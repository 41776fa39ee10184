#pragma once
// Builds the inkjet bands of one print, one at a time, into the
// SegmentBuffer that the send thread transmits.  Owns every band buffer
// (bitmap, column array, SegmentBuffer), allocated once when it is made and
// reused for every band of every print.
//
// Use: BeginPrint with the prepared page, the raster settings and the
// ColumnCount of the print; then BuildBand(a) for each band a and send
// Segment().  The page must stay unchanged until the print ends.
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "geometry/one_page.h"
#include "output/band_layout.h"
#include "output/band_raster.h"
#include "output/column_placer.h"
#include "output/segment_buffer.h"

namespace pv {

class BandBuilder {
public:
    explicit BandBuilder(Edition edition);

    // Takes the print's inputs.  kBandBadParameters for a config of the other
    // edition or without firing interval; kBandTooManyColumns when
    // ColumnCount + M exceeds the 26,000 rows of the buffers; kBandNotPrepared
    // for a column count below 1.  Until a BeginPrint succeeds every
    // BuildBand fails with the same result.
    int BeginPrint(const COnePage& page, const RasterConfig& config, std::int32_t columnCount);
    // The print is over: the page is forgotten (it may be released) and
    // every BuildBand fails until the next BeginPrint.  The buffers stay.
    void EndPrint();

    // Builds band a (0-based) into the SegmentBuffer: the cleaning band for
    // band 0 when cleaning at start is on, else the drawing band.  On
    // failure the buffer is empty and the result says why.
    int BuildBand(std::int32_t a);

    std::span<const std::uint8_t> Segment() const { return segment_.Bytes(); }
    const SegmentBuffer& Buffer() const { return segment_; }
    // Band a is sent in reverse column order and printed rightwards.
    bool Reversed(std::int32_t a) const { return layout_ && layout_->IsReversed(a); }

    std::int32_t ColumnCount() const { return columnCount_; }
    const BandLayout* Layout() const { return layout_ ? &*layout_ : nullptr; }
    // The last band's bitmap and columns (drawing view, checks).
    const BandRaster& Raster() const { return raster_; }
    const ColumnPlacer& Placer() const { return placer_; }

    // Drops counted since the last call (two-head machine with the ink
    // statistic on), for the owner of DropCountIB1/DropCountIB2 to add.
    // May be called from another thread while bands are built.
    DropCounts TakeDropCounts();

private:
    Edition edition_;
    BandRaster raster_;
    ColumnPlacer placer_;
    SegmentBuffer segment_;
    std::optional<BandLayout> layout_;
    const COnePage* page_ = nullptr;
    std::int32_t columnCount_ = 0;
    int ready_;
    std::atomic<std::int64_t> drops1_{0};
    std::atomic<std::int64_t> drops2_{0};
    std::atomic<std::int64_t> drops3_{0};
    std::atomic<std::int64_t> drops4_{0};
};

}  // namespace pv
