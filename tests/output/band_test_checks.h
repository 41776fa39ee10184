#pragma once
// Checks shared by the band tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "output/band_builder.h"
#include "output/band_compressor.h"
#include "emulator/band_decoder.h"
#include "output/band_result.h"

namespace pv::bandtest {

// Decodes the band just built and compares it with the bitmap it was built
// from: every inked dot of the band's own strip (dots below the band step)
// in rows [firstRow, lastRow] is fired, and nothing else is.  Returns the
// number of inked dots compared, so that a test can insist on content.
inline std::int64_t ExpectDecodesToBitmap(const BandBuilder& b, const RasterConfig& cfg,
                                          std::int32_t band, int firstRow = 0, int lastRow = -1) {
    BandDecoder decoder(cfg, b.ColumnCount());
    BandDots dots;
    BandDecodeStats stats;
    EXPECT_EQ(decoder.Decode(b.Segment(), band, dots, &stats), kBandOk);
    EXPECT_EQ(stats.strayFirings, 0);
    const BandRaster& raster = b.Raster();
    const int step = b.Layout()->Heads().BandStep();
    const int firstFiring = IsFourHead(cfg.edition) ? 1 : 0;
    if (lastRow < 0) lastRow = raster.Rows() - 1;
    std::int64_t inked = 0, wrong = 0, outside = 0;
    for (int r = 0; r < dots.Rows(); ++r) {
        for (int d = 0; d < dots.Width(); ++d) {
            const bool fired = dots.Get(r, d);
            if (r < firstRow || r > lastRow || r < firstFiring || d >= step) {
                outside += fired;
                continue;
            }
            const bool ink = raster.Dot(r, d);
            inked += ink;
            wrong += ink != fired;
        }
    }
    EXPECT_EQ(wrong, 0) << "band " << band;
    EXPECT_EQ(outside, 0) << "band " << band;
    return inked;
}

// The placed columns of the band just built, in the order they were laid
// out (a reversed band turned back).
inline std::vector<std::uint8_t> PlacedColumns(const BandBuilder& b, std::int32_t band) {
    const int stride = b.Layout()->Heads().BytesPerColumn();
    const std::size_t count = static_cast<std::size_t>(b.ColumnCount());
    std::vector<std::uint8_t> sent;
    EXPECT_EQ(BandCompressor::Expand(b.Segment(), count * stride, sent), kBandOk);
    if (!b.Reversed(band)) return sent;
    std::vector<std::uint8_t> placed(sent.size());
    for (std::size_t c = 0; c < count; ++c)
        std::copy_n(sent.begin() + static_cast<std::ptrdiff_t>(c * stride), stride,
                    placed.begin() + static_cast<std::ptrdiff_t>((count - 1 - c) * stride));
    return placed;
}

// Columns whose bytes of one slot are not all zero.
inline std::vector<int> InkedColumns(const std::vector<std::uint8_t>& columns, int stride, int slot) {
    std::vector<int> out;
    for (std::size_t c = 0; c * stride < columns.size(); ++c)
        for (int j = 0; j < 22; ++j)
            if (columns[c * stride + 22 * slot + j] != 0) {
                out.push_back(static_cast<int>(c));
                break;
            }
    return out;
}

}  // namespace pv::bandtest
