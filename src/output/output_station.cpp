#include "output/output_station.h"

#include "output/band_result.h"

namespace pv {

void OutputStation::MakeBandBuffers() {
    if (!bands_ || bandsEdition_ != raster.edition) {
        bands_ = std::make_unique<BandBuilder>(raster.edition);
        bandsEdition_ = raster.edition;
    }
}

int OutputStation::BeginBands() {
    MakeBandBuffers();
    return bands_->BeginPrint(PrintPage, raster, ColumnCount);
}

void OutputStation::ReleasePrint() {
    if (bands_) bands_->EndPrint();
    cuts_.Release();
    PrintPage = COnePage{};
}

int OutputStation::BuildBand(std::int32_t a) { return bands_ ? bands_->BuildBand(a) : kBandNotPrepared; }

std::span<const std::uint8_t> OutputStation::BandBytes() const {
    return bands_ ? bands_->Segment() : std::span<const std::uint8_t>{};
}

}  // namespace pv
