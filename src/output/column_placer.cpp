#include "output/column_placer.h"

#include <algorithm>
#include <cstring>

namespace pv {

ColumnPlacer::ColumnPlacer(Edition edition)
    : columns_(static_cast<std::size_t>(kBandColumnCapacity) * (IsFourHead(edition) ? 88 : 44), 0),
      capacity_(kBandColumnCapacity) {}

void ColumnPlacer::begin(const BandLayout& layout) {
    std::memset(columns_.data(), 0, dirty_ * static_cast<std::size_t>(stride_));
    dirty_ = 0;
    stride_ = layout.Heads().BytesPerColumn();
    targets_ = &layout.Heads().DotTargets();
    firstFiringRow_ = IsFourHead(layout.Config().edition) ? 1 : 0;
    countDrops_ = layout.Config().countDrops;
    dropWeight_ = layout.Config().darkLines ? 2 : 1;
    drops_ = {};
}

void ColumnPlacer::rowBytes(const BandRaster& raster, int row) {
    std::memset(row_.data(), 0, static_cast<std::size_t>(stride_));
    rowEmpty_ = true;
    if (row < firstFiringRow_ || row >= raster.Rows()) return;
    std::int64_t count[4] = {0, 0, 0, 0};
    const std::vector<DotTarget>& targets = *targets_;
    raster.ForEachDot(row, [&](int dot) {
        const DotTarget t = targets[static_cast<std::size_t>(dot)];
        if (t.byte < 0) return;
        row_[static_cast<std::size_t>(t.byte)] |= static_cast<std::uint8_t>(1u << t.bit);
        if (t.slot < 4) ++count[t.slot];
        rowEmpty_ = false;
    });
    if (countDrops_) {
        drops_.head1 += count[0] * dropWeight_;
        drops_.head2 += count[1] * dropWeight_;
        drops_.head3 += count[2] * dropWeight_;
        drops_.head4 += count[3] * dropWeight_;
    }
}

// The slot's bytes of the current row into a column (an empty row writes
// nothing: the column array starts every band cleared).
void ColumnPlacer::put(int slot, std::int64_t column) {
    if (rowEmpty_) return;
    if (column < 0 || static_cast<std::size_t>(column) >= capacity_) return;
    const std::size_t c = static_cast<std::size_t>(column);
    std::memcpy(columns_.data() + c * stride_ + 22 * slot, row_.data() + 22 * slot, 22);
    dirty_ = std::max(dirty_, c + 1);
}

// The slot's bytes of the current row merged into what a column already
// holds: a nozzle fires when either row fires it.
void ColumnPlacer::merge(int slot, std::int64_t column) {
    if (rowEmpty_) return;
    if (column < 0 || static_cast<std::size_t>(column) >= capacity_) return;
    const std::size_t c = static_cast<std::size_t>(column);
    std::uint8_t* dst = columns_.data() + c * stride_ + 22 * slot;
    const std::uint8_t* add = row_.data() + 22 * slot;
    for (int j = 0; j < 22; ++j) dst[j] = static_cast<std::uint8_t>(dst[j] | add[j]);
    dirty_ = std::max(dirty_, c + 1);
}

void ColumnPlacer::PlaceDrawing(const BandRaster& raster, const BandLayout& layout,
                                std::int32_t columnCount, std::int32_t a) {
    begin(layout);
    if (IsFourHead(layout.Config().edition))
        placeFourHead(raster, layout, columnCount, a);
    else
        placeTwoHead(raster, layout, columnCount, a);
}

void ColumnPlacer::placeTwoHead(const BandRaster& raster, const BandLayout& layout,
                                std::int32_t columnCount, std::int32_t a) {
    const HeadGeometry& heads = layout.Heads();
    const RasterConfig& cfg = layout.Config();
    const std::int64_t cc = columnCount;
    if (heads.SingleHead()) {
        // Either head alone: the leftward positions, ColumnCount rows.
        const std::int64_t p1 = heads.Slot(0).posLeft, p2 = heads.Slot(1).posLeft;
        for (std::int64_t r = 0; r < cc; ++r) {
            rowBytes(raster, static_cast<int>(r));
            put(0, p1 + r);
            put(1, p2 + r);
        }
        return;
    }
    const std::int64_t rows = layout.BitmapRows(columnCount);
    if (!layout.IsReversed(a)) {
        // Leftwards: the rows inside the right margin (A columns) move by the
        // right edge line C.  Where C > 0 pushes them onto the first rows
        // after the margin, those columns carry both rows.
        const std::int64_t p1 = heads.Slot(0).posLeft, p2 = heads.Slot(1).posLeft;
        const std::int64_t A = layout.RightMarginColumns(), C = cfg.edgeRightPx;
        for (std::int64_t r = 0; r < rows; ++r) {
            rowBytes(raster, static_cast<int>(r));
            if (r < A - C) {
                put(0, p1 + r + C);
                put(1, p2 + r + C);
            } else if (r < A) {
                merge(0, p1 + r);
                merge(1, p2 + r);
            } else {
                put(0, p1 + r);
                put(1, p2 + r);
            }
        }
        return;
    }
    // Rightwards: the rows past the left margin (from ColumnCount - B on)
    // move back by the left edge line D; where D > 0 brings them onto the
    // last rows before, those columns carry both rows.
    const std::int64_t p1 = heads.Slot(0).posRight, p2 = heads.Slot(1).posRight;
    const std::int64_t B = layout.LeftMarginColumns(), D = cfg.edgeLeftPx;
    for (std::int64_t r = 0; r < rows; ++r) {
        rowBytes(raster, static_cast<int>(r));
        if (r > cc - B + D) {
            merge(0, p1 - D + r);
            merge(1, p2 - D + r);
        } else if (r > cc - B) {
            merge(0, p1 + r);
            merge(1, p2 + r);
        } else {
            put(0, p1 + r);
            put(1, p2 + r);
        }
    }
}

void ColumnPlacer::placeFourHead(const BandRaster& raster, const BandLayout& layout,
                                 std::int32_t columnCount, std::int32_t a) {
    const HeadGeometry& heads = layout.Heads();
    const bool rightwards = layout.IsReversed(a);
    const std::int64_t count = layout.PlacedRows(columnCount);
    for (std::int64_t i = 0; i < count; ++i) {
        rowBytes(raster, static_cast<int>(count - 1 - i));
        for (int s = 0; s < heads.SlotCount(); ++s) {
            const HeadSlot& slot = heads.Slot(s);
            put(s, (rightwards ? slot.posRight : slot.posLeft) + i);
        }
    }
}

void ColumnPlacer::PlaceCleaning(const BandRaster& raster, const BandLayout& layout,
                                 std::int32_t columnCount) {
    begin(layout);
    const HeadGeometry& heads = layout.Heads();
    const std::int64_t n = layout.CleaningSpan();
    // Columns from ColumnCount on are not sent; nothing beyond is laid out.
    const std::int64_t end = std::min<std::int64_t>(n, columnCount);
    for (std::int64_t c = 80; c < end; ++c) {
        const std::int64_t row = n + 80 - c;
        rowBytes(raster, row < raster.Rows() ? static_cast<int>(row) : -1);
        for (int s = 0; s < heads.SlotCount(); ++s) put(s, heads.Slot(s).posLeft + c);
    }
}

}  // namespace pv
