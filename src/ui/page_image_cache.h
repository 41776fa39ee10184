#pragma once
// The drawing view's picture of the page, kept between paints.  It is
// painted again only when the page, the zoom or the window size changed; a
// pan shifts the old picture and paints just the strips that scrolled in.
// Whether the page changed is told by a fingerprint of its curves, so an
// edit made anywhere (the list, undo) is seen at the next paint.
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

#include "geometry/one_page.h"
#include "geometry/view_mapping.h"
#include "ui/page_renderer.h"

namespace pv::ui {

class PageImageCache {
public:
    // The picture for this page, mapping and size, brought up to date.
    const QImage& Get(const COnePage* page, const ViewMapping& view, QSize size, std::int32_t paperLenMm);
    // Forces a full repaint at the next Get.
    void Invalidate() { valid_ = false; }

    // How often the page was painted whole, and how often shifted.
    int FullRenders() const { return fullRenders_; }
    int Shifts() const { return shifts_; }

    // A fingerprint of what the view draws of a page: the curves' kinds,
    // roles, line types, selection and points, the extents the frame uses.
    static std::uint64_t Fingerprint(const COnePage& page);

private:
    void RenderAll(const COnePage* page, const ViewMapping& view, std::int32_t paperLenMm);
    void Shift(const COnePage* page, const ViewMapping& view, std::int32_t paperLenMm);

    PageRenderer renderer_;
    std::vector<PageRenderer::Extent> extents_;   // of the page as last fingerprinted
    QImage image_, spare_;
    bool valid_ = false;
    const COnePage* page_ = nullptr;
    std::uint64_t fingerprint_ = 0;
    ViewMapping view_;
    std::int32_t paperLenMm_ = 0;
    int fullRenders_ = 0;
    int shifts_ = 0;
};

}  // namespace pv::ui
