#pragma once
// The band compression: the firing columns read as 16-bit little-endian
// words in column order; a non-zero word is written as it is, a run of zero
// words as the two words 0, n, a run being closed when it reaches 2200
// words (so 1 <= n <= 2200).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "output/segment_buffer.h"

namespace pv {

class BandCompressor {
public:
    static constexpr std::uint16_t kMaxRun = 2200;

    // Compresses the first `columnCount` columns of `bytesPerColumn` bytes
    // (even) into `out`, the columns in reverse order when `reverse` (the
    // words inside a column keep their order).  kBandSegmentOverflow, with
    // `out` emptied, when the result does not fit.
    static int Compress(std::span<const std::uint8_t> columns, std::int32_t columnCount,
                        int bytesPerColumn, bool reverse, SegmentBuffer& out);

    // Expands a compressed band into `out`, which must come to exactly
    // `expectedBytes` bytes; kBandBadSegment for anything else (odd length,
    // a run of 0 or more than 2200, a missing run length, too many or too
    // few words).
    static int Expand(std::span<const std::uint8_t> segment, std::size_t expectedBytes,
                      std::vector<std::uint8_t>& out);
};

}  // namespace pv
