#pragma once
// Turns a built band back into the dots it fires: expands the compressed
// columns, puts a reversed band back in order, finds for every column and
// cartridge the bitmap row the cartridge was over, and maps every firing
// (primitive, address) back to its nozzle and dot.  What a plotter does
// with the data, short of moving the paper.
//
// Edge-line shifts are not undone: their rows come back where the machine
// puts them.
#include <cstdint>
#include <span>
#include <vector>

#include "output/band_dots.h"
#include "output/band_layout.h"

namespace pv {

struct BandDecodeStats {
    // Firings that no nozzle of the band serves (address slot 7, a nozzle
    // hidden by the overlap, a head that does not print) or that fall
    // outside the band's rows.
    std::int64_t strayFirings = 0;
};

class BandDecoder {
public:
    BandDecoder(const RasterConfig& config, std::int32_t columnCount);

    // Decodes band `band` into `out` (ColumnCount + M rows by the bitmap
    // width).  kBandBadSegment for bytes that are not a band of this
    // column count; kBandBadParameters / kBandTooManyColumns as for the
    // builder.
    int Decode(std::span<const std::uint8_t> segment, std::int32_t band, BandDots& out,
               BandDecodeStats* stats = nullptr);

private:
    // Bitmap row that slot s was over at column k, or -1.
    std::int64_t rowAt(int s, std::int64_t k, std::int32_t band) const;

    BandLayout layout_;
    std::int32_t columnCount_;
    std::vector<std::uint8_t> columns_;
};

}  // namespace pv
