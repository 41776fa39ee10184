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
    std::int64_t count[2] = {0, 0};
    const std::vector<DotTarget>& targets = *targets_;
    raster.ForEachDot(row, [&](int dot) {
        const DotTarget t = targets[static_cast<std::size_t>(dot)];
        if (t.byte < 0) return;
        row_[static_cast<std::size_t>(t.byte)] |= static_cast<std::uint8_t>(1u << t.bit);
        if (t.slot < 2) ++count[t.slot];
        rowEmpty_ = false;
    });
    if (countDrops_) {
        drops_.head1 += count[0] * dropWeight_;
        drops_.head2 += count[1] * dropWeight_;
    }
}

// The slot's bytes of the current row into a column.  An empty row is only
// written where it may replace earlier data (`force`).
void ColumnPlacer::put(int slot, std::int64_t column, bool force) {
    if (rowEmpty_ && !force) return;
    if (column < 0 || static_cast<std::size_t>(column) >= capacity_) return;
    const std::size_t c = static_cast<std::size_t>(column);
    std::memcpy(columns_.data() + c * stride_ + 22 * slot, row_.data() + 22 * slot, 22);
    dirty_ = std::max(dirty_, c + 1);
}

// The slot's bytes of the current row added bytewise (8-bit, wrapping) to
// the slot's bytes of column `from`, into `column`.
void ColumnPlacer::putSum(int slot, std::int64_t column, std::int64_t from) {
    if (column < 0 || static_cast<std::size_t>(column) >= capacity_) return;
    const std::size_t c = static_cast<std::size_t>(column);
    std::uint8_t* dst = columns_.data() + c * stride_ + 22 * slot;
    const std::uint8_t* add = row_.data() + 22 * slot;
    std::array<std::uint8_t, 22> sum{};
    if (from >= 0 && static_cast<std::size_t>(from) < capacity_) {
        const std::uint8_t* src = columns_.data() + static_cast<std::size_t>(from) * stride_ + 22 * slot;
        std::memcpy(sum.data(), src, 22);
    }
    for (int j = 0; j < 22; ++j) sum[j] = static_cast<std::uint8_t>(sum[j] + add[j]);
    std::memcpy(dst, sum.data(), 22);
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
        // Leftwards: rows inside the right margin A move by the right edge line C.
        const std::int64_t p1 = heads.Slot(0).posLeft, p2 = heads.Slot(1).posLeft;
        const std::int64_t A = layout.RightMarginColumns(), C = cfg.edgeRightPx;
        for (std::int64_t r = 0; r < rows; ++r) {
            rowBytes(raster, static_cast<int>(r));
            if (r < A - C) {
                put(0, p1 + r + C);
                put(1, p2 + r + C);
            } else if (r < A) {
                putSum(0, p1 + r, p1 + r + C);
                putSum(1, p2 + r, p2 + r + C);
            } else {
                put(0, p1 + r);
                put(1, p2 + r);
            }
        }
        return;
    }
    // Rightwards: rows past the left margin B move back by the left edge line D.
    const std::int64_t p1 = heads.Slot(0).posRight, p2 = heads.Slot(1).posRight;
    const std::int64_t B = layout.LeftMarginColumns(), D = cfg.edgeLeftPx;
    // With D > 0 these rows land on columns already written, so even empty
    // rows must be written.
    const bool force = D > 0;
    for (std::int64_t r = 0; r < rows; ++r) {
        rowBytes(raster, static_cast<int>(r));
        if (r > cc - B + D) {
            put(0, p1 - D + r, force);
            put(1, p2 - D + r, force);
        } else if (r > cc - B) {
            putSum(0, p1 + r, p1 - D + r);
            putSum(1, p2 + r, p2 - D + r);
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
