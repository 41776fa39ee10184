#pragma once
// Lays a band bitmap out as firing columns: each bitmap row becomes the
// primitive bytes of the cartridges that print it, and those bytes go to
// the columns the carriage is at when each cartridge passes that row (the
// cartridge's head position plus the row).  Allocated once for 26,000
// columns of the widest column (44 bytes, four-head machine 88).
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "output/band_layout.h"
#include "output/band_raster.h"

namespace pv {

struct DropCounts {
    std::int64_t head1 = 0;   // drops of head 1#
    std::int64_t head2 = 0;   // drops of head 2#
    std::int64_t head3 = 0;   // four-head machine: head 3#
    std::int64_t head4 = 0;   // four-head machine: head 4#
};

class ColumnPlacer {
public:
    explicit ColumnPlacer(Edition edition);

    // A drawing band: two-head rows with margins and edge lines in the
    // band's direction; four-head rows mirrored at the direction's head
    // positions.
    void PlaceDrawing(const BandRaster& raster, const BandLayout& layout, std::int32_t columnCount,
                      std::int32_t a);
    // The head-cleaning band, mirrored, at the leftward positions.
    void PlaceCleaning(const BandRaster& raster, const BandLayout& layout,
                       std::int32_t columnCount);

    std::span<const std::uint8_t> Columns() const { return columns_; }
    int BytesPerColumn() const { return stride_; }
    // Drops of the last band (not counted when the configuration says not to).
    const DropCounts& BandDrops() const { return drops_; }

private:
    void begin(const BandLayout& layout);
    void rowBytes(const BandRaster& raster, int row);
    void put(int slot, std::int64_t column);
    void merge(int slot, std::int64_t column);
    void placeTwoHead(const BandRaster& raster, const BandLayout& layout, std::int32_t columnCount,
                      std::int32_t a);
    void placeFourHead(const BandRaster& raster, const BandLayout& layout, std::int32_t columnCount,
                       std::int32_t a);

    std::vector<std::uint8_t> columns_;
    std::size_t capacity_;            // columns
    int stride_ = 44;                 // bytes per column of the current band
    std::size_t dirty_ = 0;           // columns below this may hold data
    std::array<std::uint8_t, 88> row_{};
    bool rowEmpty_ = true;
    const std::vector<DotTarget>* targets_ = nullptr;
    int firstFiringRow_ = 0;          // four-head: bitmap row 0 fires nothing
    bool countDrops_ = false;
    int dropWeight_ = 1;
    DropCounts drops_;
};

}  // namespace pv
