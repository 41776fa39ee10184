#include "output/band_raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "output/cleaning_band_painter.h"

namespace pv {
namespace {

// Curve points stroked at once (see RenderDrawing).
constexpr std::size_t kStrokeBatchPoints = 256;

std::int32_t dotOfX(std::int32_t x) {
    return static_cast<std::int32_t>(std::trunc(x * kDotsPerMm / 40.0));
}

}  // namespace

BandRaster::BandRaster(Edition edition)
    : width_(IsFourHead(edition) ? HeadGeometry::kFourHeadBitmapWidth
                                 : HeadGeometry::kTwoHeadBitmapWidth),
      wordsPerRow_(width_ / 32),
      pixels_(static_cast<std::size_t>(wordsPerRow_) * kBandColumnCapacity, 0) {
    surface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels_.data()),
                                                   CAIRO_FORMAT_A1, width_, kBandColumnCapacity,
                                                   wordsPerRow_ * 4);
    ensureContext();
}

BandRaster::~BandRaster() {
    if (cr_ != nullptr) cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

// A context that has met an error stays unusable; start a fresh one.
void BandRaster::ensureContext() {
    if (cr_ != nullptr && cairo_status(cr_) == CAIRO_STATUS_SUCCESS) return;
    if (cr_ != nullptr) cairo_destroy(cr_);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

void BandRaster::IndexPage(const COnePage& page, const RasterConfig& config) {
    std::vector<SpanIndex::Span> solid, dashed;
    for (std::size_t i = 0; i < page.curves.size(); ++i) {
        const CCurve& c = page.curves[i];
        if (c.points.size() < 2) continue;
        if (!config.plotCutLine && c.kind != kDrawn) continue;
        std::int32_t lo = std::numeric_limits<std::int32_t>::max();
        std::int32_t hi = std::numeric_limits<std::int32_t>::min();
        for (const Point& p : c.points) {
            lo = std::min(lo, p.x);
            hi = std::max(hi, p.x);
        }
        (c.lineType != 0 ? dashed : solid).push_back({dotOfX(lo), dotOfX(hi), static_cast<std::uint32_t>(i)});
    }
    solid_.Build(std::move(solid));
    dashed_.Build(std::move(dashed));
}

void BandRaster::beginBand(int rows) {
    rows_ = std::clamp(rows, 0, kBandColumnCapacity);
    cairo_surface_flush(surface_);
    std::memset(pixels_.data(), 0, static_cast<std::size_t>(rows_) * wordsPerRow_ * 4);
    cairo_surface_mark_dirty(surface_);
    ensureContext();
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, 0, 0, width_, rows_);
    cairo_clip(cr_);
    cairo_set_source_rgba(cr_, 0, 0, 0, 1);
}

void BandRaster::endBand() {
    cairo_restore(cr_);
    cairo_surface_flush(surface_);
}

void BandRaster::RenderDrawing(const COnePage& page, const BandLayout& layout, std::int32_t a,
                               int rows) {
    beginBand(rows);
    const RasterConfig& cfg = layout.Config();
    const int lw = cfg.lineWidth;
    if (layout.HasSectionBars(a)) PaintSectionBars(cr_);

    // Absolute dots this band's bitmap shows, with room for the pen.
    const std::int64_t h = static_cast<std::int64_t>(layout.Heads().BandStep()) * a;
    const std::int64_t lo = h - lw - (lw + 2);
    const std::int64_t hi = h - lw + width_ + (lw + 2);
    paths_.Begin(layout, a, width_, rows_);

    cairo_set_line_width(cr_, lw);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        const bool dashed = pass == 1;
        cairo_set_line_cap(cr_, dashed ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
        cairo_new_path(cr_);
        // Stroked in batches of whole curves: one path of every curve costs
        // more than linear time in its crossings (thousands of labels at one
        // spot took seconds a band), while the union of the batches' ink is
        // the same as that of one stroke.
        std::size_t pending = 0;
        hits_.clear();
        (dashed ? dashed_ : solid_).Query(lo, hi, hits_);
        for (const std::uint32_t index : hits_) {
            if (index >= page.curves.size()) continue;
            const auto& points = page.curves[index].points;
            paths_.AddCurve(cr_, points, dashed);
            pending += points.size();
            if (pending >= kStrokeBatchPoints) {
                cairo_stroke(cr_);
                pending = 0;
            }
        }
        if (pending > 0) cairo_stroke(cr_);
        cairo_new_path(cr_);
    }
    endBand();
}

void BandRaster::RenderCleaning(const BandLayout& layout, int rows) {
    beginBand(rows);
    PaintCleaningBand(cr_, layout);
    endBand();
}

bool BandRaster::Dot(int row, int dot) const {
    if (row < 0 || row >= rows_ || dot < 0 || dot >= width_) return false;
    const std::uint32_t w = RowWords(row)[dot / 32];
    const int bit = std::endian::native == std::endian::little ? dot % 32 : 31 - dot % 32;
    return ((w >> bit) & 1u) != 0;
}

}  // namespace pv
