#include "emulator/band_decoder.h"

#include "emulator/plotter_wire.h"
#include "output/band_result.h"

namespace pv {

namespace {
// A column carries 22 primitive bytes per cartridge; bit a of a primitive
// byte fires that primitive at address a.
constexpr int kPrimitives = 22;
constexpr int kAddresses = 8;
}  // namespace

BandDecoder::BandDecoder(const RasterConfig& config, std::int32_t columnCount)
    : layout_(config), columnCount_(columnCount) {}

std::int64_t BandDecoder::rowAt(int s, std::int64_t k, std::int32_t band) const {
    const HeadGeometry& heads = layout_.Heads();
    const HeadSlot& slot = heads.Slot(s);
    if (layout_.IsCleaningBand(band)) {
        const std::int64_t n = layout_.CleaningSpan();
        const std::int64_t c = k - slot.posLeft;
        return (c >= 80 && c < n) ? n + 80 - c : -1;
    }
    const bool rightwards = layout_.IsReversed(band);
    if (IsFourHead(layout_.Config().edition)) {
        const std::int64_t count = layout_.PlacedRows(columnCount_);
        const std::int64_t i = k - (rightwards ? slot.posRight : slot.posLeft);
        return (i >= 0 && i < count) ? count - 1 - i : -1;
    }
    if (heads.SingleHead()) {
        const std::int64_t r = k - slot.posLeft;
        return (r >= 0 && r < columnCount_) ? r : -1;
    }
    const std::int64_t r = k - (rightwards ? slot.posRight : slot.posLeft);
    return (r >= 0 && r < layout_.BitmapRows(columnCount_)) ? r : -1;
}

int BandDecoder::Decode(std::span<const std::uint8_t> segment, std::int32_t band, BandDots& out,
                        BandDecodeStats* stats) {
    const HeadGeometry& heads = layout_.Heads();
    out.Reset(0, heads.BitmapWidth());
    if (stats != nullptr) *stats = {};
    if (!layout_.Config().Valid()) return kBandBadParameters;
    if (columnCount_ < 1) return kBandNotPrepared;
    if (!layout_.Fits(columnCount_)) return kBandTooManyColumns;
    if (band < 0) return kBandNotPrepared;

    const std::size_t stride = static_cast<std::size_t>(heads.BytesPerColumn());
    const std::size_t count = static_cast<std::size_t>(columnCount_);
    if (!PlotterWire::ExpandBand(segment, count * stride, columns_)) return kBandBadSegment;

    out.Reset(static_cast<int>(layout_.BitmapRows(columnCount_)), heads.BitmapWidth());
    const bool reversed = layout_.IsReversed(band);
    std::int64_t stray = 0;
    for (std::size_t sent = 0; sent < count; ++sent) {
        const std::int64_t k = static_cast<std::int64_t>(reversed ? count - 1 - sent : sent);
        const std::uint8_t* column = columns_.data() + sent * stride;
        for (int s = 0; s < heads.SlotCount(); ++s) {
            const HeadSlot& slot = heads.Slot(s);
            const std::uint8_t* bytes = column + slot.byteOffset;
            std::int64_t row = -2;   // looked up on the first firing
            for (int p = 0; p < kPrimitives; ++p) {
                for (int a = 0; a < kAddresses; ++a) {
                    if (((bytes[p] >> a) & 1) == 0) continue;
                    if (row == -2) row = rowAt(s, k, band);
                    const int nozzle = PlotterWire::NozzleFiredAt(p, a);
                    if (!slot.fires || row < 0 || nozzle < slot.skip ||
                        !out.Set(static_cast<int>(row), slot.dotStart + nozzle - slot.skip))
                        ++stray;
                }
            }
        }
    }
    if (stats != nullptr) stats->strayFirings = stray;
    return kBandOk;
}

}  // namespace pv
