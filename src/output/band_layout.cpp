#include "output/band_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "output/band_result.h"
#include "output/utf8_text.h"

namespace pv {
namespace {

// To the nearest integer, halves upward.
std::int64_t roundHalfUp(double v) { return static_cast<std::int64_t>(std::floor(v + 0.5)); }

std::int32_t saturate32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t saturate(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 9.0e18) return std::numeric_limits<std::int64_t>::max();
    if (v <= -9.0e18) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
}

}  // namespace

BandLayout::BandLayout(const RasterConfig& config)
    : config_(config), heads_(config), logoLength_(Utf8Length(config.customString)) {}

double BandLayout::ColumnsOfY(double y) const {
    return (y / 40.0) * config_.carriagePulsesPerMm * 0.01 / config_.fireIntervalPulses;
}

BandCountResult BandLayout::CountBands(std::int32_t maxX, std::int32_t maxY) const {
    BandCountResult r;
    if (maxX == 0 && maxY == 0) return r;
    if (!config_.Valid()) {
        r.result = kBandBadParameters;
        return r;
    }
    const int lw = config_.lineWidth;
    const std::int64_t h = roundHalfUp(maxX / 40.0 * kDotsPerMm + lw + 1);
    const std::int64_t rows = saturate(std::floor(ColumnsOfY(maxY) + lw + 1 + 0.5));
    const std::int64_t cc = rows + 2LL * (config_.nozzleColumnGapPx + lw) + heads_.MaxOffset() + 41;
    const std::int64_t step = heads_.BandStep();
    r.columnsSet = true;
    r.columnCount = saturate32(cc);
    r.fits = Fits(r.columnCount) && cc == r.columnCount;
    r.bands = h <= 0 ? 0 : saturate32((h + step - 1) / step);
    return r;
}

std::int32_t BandLayout::BandEndX(std::int32_t a) const {
    const double end = static_cast<double>(heads_.BandStep()) * (static_cast<double>(a) + 1.0);
    return saturate32(saturate(end / kDotsPerMm * 40.0));
}

double BandLayout::DotOfX(std::int32_t x, std::int32_t a) const {
    const double h = static_cast<double>(heads_.BandStep()) * a;
    return config_.lineWidth - h + std::trunc(x * kDotsPerMm / 40.0);
}

double BandLayout::RowOfY(std::int32_t y) const {
    const double base = IsFourHead(config_.edition)
                            ? config_.lineWidth + 1
                            : config_.nozzleColumnGapPx + config_.lineWidth + 4;
    return base + std::trunc(ColumnsOfY(y));
}

std::int64_t BandLayout::BitmapRows(std::int32_t columnCount) const {
    return static_cast<std::int64_t>(columnCount) + heads_.MaxOffset();
}

bool BandLayout::Fits(std::int32_t columnCount) const {
    return columnCount > 0 && BitmapRows(columnCount) <= kBandColumnCapacity;
}

std::int32_t BandLayout::PlacedRows(std::int32_t columnCount) const {
    if (heads_.PlacesColumnCountRows()) return columnCount;
    const std::int64_t r = static_cast<std::int64_t>(columnCount) - heads_.MaxOffset() -
                           2LL * config_.lineWidth - 41;
    return saturate32(std::clamp<std::int64_t>(r, 0, columnCount));
}

std::int32_t BandLayout::RightMarginColumns() const {
    return saturate32(saturate(std::trunc(config_.marginRightMm *
                                          static_cast<double>(config_.carriagePulsesPerMm) /
                                          100.0 / config_.fireIntervalPulses)));
}

std::int32_t BandLayout::LeftMarginColumns() const {
    return saturate32(saturate(std::trunc(config_.marginLeftMm *
                                          static_cast<double>(config_.carriagePulsesPerMm) /
                                          100.0 / config_.fireIntervalPulses)));
}

bool BandLayout::HasSectionBars(std::int32_t a) const {
    if (!config_.cleanAtSection) return false;
    // With no bands per segment only band 0 counts as a multiple.
    if (config_.bandsPerCutSegment <= 0) return a == 0;
    return a % config_.bandsPerCutSegment == 0;
}

int BandLayout::LogoLength() const { return logoLength_; }

std::int64_t BandLayout::CleaningSpan() const {
    const std::int64_t s = config_.cusStrFontSize;
    return (s + 1) * (2LL * logoLength_ + 18) * 4 + 80;
}

}  // namespace pv
