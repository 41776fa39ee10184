#include "output/band_builder.h"

#include "output/band_compressor.h"
#include "output/band_result.h"

namespace pv {

BandBuilder::BandBuilder(Edition edition)
    : edition_(edition),
      raster_(edition),
      placer_(edition),
      segment_(SegmentBuffer::CapacityFor(edition)),
      ready_(kBandNotPrepared) {}

int BandBuilder::BeginPrint(const COnePage& page, const RasterConfig& config,
                            std::int32_t columnCount) {
    segment_.Clear();
    page_ = &page;
    columnCount_ = columnCount;
    layout_.emplace(config);
    if (config.edition != edition_ || !config.Valid())
        ready_ = kBandBadParameters;
    else if (columnCount < 1)
        ready_ = kBandNotPrepared;
    else if (!layout_->Fits(columnCount))
        ready_ = kBandTooManyColumns;
    else
        ready_ = kBandOk;
    if (ready_ == kBandOk) raster_.IndexPage(page, config);
    return ready_;
}

void BandBuilder::EndPrint() {
    page_ = nullptr;
    ready_ = kBandNotPrepared;
    segment_.Clear();
    raster_.ForgetPage();
}

int BandBuilder::BuildBand(std::int32_t a) {
    segment_.Clear();
    if (ready_ != kBandOk) return ready_;
    if (a < 0) return kBandNotPrepared;
    const BandLayout& layout = *layout_;
    const int rows = static_cast<int>(layout.BitmapRows(columnCount_));
    if (layout.IsCleaningBand(a)) {
        raster_.RenderCleaning(layout, rows);
        placer_.PlaceCleaning(raster_, layout, columnCount_);
    } else {
        raster_.RenderDrawing(*page_, layout, a, rows);
        placer_.PlaceDrawing(raster_, layout, columnCount_, a);
    }
    const int result = BandCompressor::Compress(placer_.Columns(), columnCount_,
                                                placer_.BytesPerColumn(), layout.IsReversed(a),
                                                segment_);
    if (result != kBandOk) return result;
    const DropCounts& d = placer_.BandDrops();
    drops1_.fetch_add(d.head1, std::memory_order_relaxed);
    drops2_.fetch_add(d.head2, std::memory_order_relaxed);
    drops3_.fetch_add(d.head3, std::memory_order_relaxed);
    drops4_.fetch_add(d.head4, std::memory_order_relaxed);
    return kBandOk;
}

DropCounts BandBuilder::TakeDropCounts() {
    return {drops1_.exchange(0, std::memory_order_relaxed),
            drops2_.exchange(0, std::memory_order_relaxed), drops3_.exchange(0, std::memory_order_relaxed),
            drops4_.exchange(0, std::memory_order_relaxed)};
}

}  // namespace pv
