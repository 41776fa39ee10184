#include "ui/page_image_cache.h"

#include <QPainter>
#include <cstdlib>

namespace pv::ui {

namespace {

// FNV-1a over 64-bit words.
class Hasher {
public:
    void Add(std::uint64_t v) {
        h_ ^= v;
        h_ *= 0x100000001b3ULL;
    }
    std::uint64_t Value() const { return h_; }

private:
    std::uint64_t h_ = 0xcbf29ce484222325ULL;
};

std::uint64_t Pack(std::int32_t a, std::int32_t b) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

}  // namespace

std::uint64_t PageImageCache::Fingerprint(const COnePage& page) {
    Hasher h;
    h.Add(page.curves.size());
    h.Add(Pack(page.maxX, page.maxY));
    for (const CCurve& c : page.curves) {
        h.Add(Pack(c.kind, c.role));
        h.Add(Pack(c.lineType, c.selected));
        h.Add(c.points.size());
        for (const Point& p : c.points) h.Add(Pack(p.x, p.y));
    }
    return h.Value();
}

const QImage& PageImageCache::Get(const COnePage* page, const ViewMapping& view, QSize size, std::int32_t paperLenMm) {
    if (image_.size() != size) {
        image_ = QImage(size, QImage::Format_RGB32);
        spare_ = QImage();
        valid_ = false;
    }
    if (image_.isNull()) return image_;
    const std::uint64_t fingerprint = page ? Fingerprint(*page) : 0;
    const bool samePicture = valid_ && page == page_ && fingerprint == fingerprint_ && paperLenMm == paperLenMm_ &&
                             view.z == view_.z && view.H == view_.H;
    page_ = page;
    fingerprint_ = fingerprint;
    paperLenMm_ = paperLenMm;
    if (!samePicture) {
        RenderAll(page, view, paperLenMm);
    } else if (view.sx0 != view_.sx0 || view.sy0 != view_.sy0) {
        Shift(page, view, paperLenMm);
    }
    view_ = view;
    valid_ = true;
    return image_;
}

void PageImageCache::RenderAll(const COnePage* page, const ViewMapping& view, std::int32_t paperLenMm) {
    if (page) extents_ = PageRenderer::Extents(*page);
    else extents_.clear();
    renderer_.Render(image_, image_.rect(), page, view, paperLenMm, &extents_);
    ++fullRenders_;
}

void PageImageCache::Shift(const COnePage* page, const ViewMapping& view, std::int32_t paperLenMm) {
    // Content moves left when sx0 grows and up when sy0 grows.
    const std::int64_t dx = std::int64_t{view_.sx0} - view.sx0;
    const std::int64_t dy = std::int64_t{view_.sy0} - view.sy0;
    const int w = image_.width(), h = image_.height();
    if (std::llabs(dx) >= w || std::llabs(dy) >= h) {
        RenderAll(page, view, paperLenMm);
        return;
    }
    if (spare_.size() != image_.size()) spare_ = QImage(image_.size(), image_.format());
    {
        QPainter p(&spare_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(static_cast<int>(dx), static_cast<int>(dy)), image_);
    }
    std::swap(image_, spare_);
    const int sx = static_cast<int>(dx), sy = static_cast<int>(dy);
    // The strips the old picture does not cover.
    // The page is unchanged since its extents were taken (same fingerprint).
    const auto strip = [&](QRect r) { renderer_.Render(image_, r, page, view, paperLenMm, &extents_); };
    if (sx > 0) strip(QRect(0, 0, sx, h));
    if (sx < 0) strip(QRect(w + sx, 0, -sx, h));
    if (sy > 0) strip(QRect(0, 0, w, sy));
    if (sy < 0) strip(QRect(0, h + sy, w, -sy));
    ++shifts_;
}

}  // namespace pv::ui
