#pragma once
// Paints a job's page as the drawing view shows it, into an image: black
// background, the paper frame, the millimetre grid with its labels, then the
// curves in their kind colours (drawn lines first, cut lines over them) with
// the selection's handles and direction arrows.  Only what falls into the
// given clip rectangle is painted, so a panned view repaints just the strips
// that scrolled in.
#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

#include "geometry/one_page.h"
#include "geometry/view_mapping.h"

class QPainter;
class QPoint;

namespace pv::ui {

class PageRenderer {
public:
    // The view's colours (R, G, B).
    static QColor KindColour(const CCurve& curve);
    static const QColor kFrame;       // (0, 255, 0)
    static const QColor kGrid;        // (20, 60, 60)
    static const QColor kGridLabel;   // green
    static const QColor kBand;        // (0, 200, 255): the band being printed

    // The extents of each curve of a page (plotter units), in list order.
    struct Extent {
        std::int32_t minX, minY, maxX, maxY;
    };
    static std::vector<Extent> Extents(const COnePage& page);

    // Paints `clip` of `image`; a null page paints only the background.
    // With `extents` (of this very page) curves far from the clip are
    // passed over without looking at their points.
    void Render(QImage& image, const QRect& clip, const COnePage* page, const ViewMapping& view,
                std::int32_t paperLenMm, const std::vector<Extent>* extents = nullptr);

private:
    void DrawFrame(QPainter& p, const COnePage& page, const ViewMapping& view, std::int32_t paperLenMm);
    void DrawGrid(QPainter& p, const QRect& clip, const COnePage& page, const ViewMapping& view,
                  std::int32_t paperLenMm);
    void DrawCurve(QPainter& p, const CCurve& curve, const ViewMapping& view);
    void DrawHandles(QPainter& p, const CCurve& curve, const ViewMapping& view);
    void DrawArrow(QPainter& p, const CCurve& curve, const ViewMapping& view);
    void Flush(QPainter& p);
    bool FarFromClip(const Extent& e, const ViewMapping& view) const;

    // The clip rectangle with a margin: segments are clipped to it (in
    // floating point) before they reach the painter, so a zoomed-in drawing
    // never hands it coordinates out of its range, and pieces outside cost
    // nothing.
    QRectF box_;
    QRect clip_;
    std::vector<QPoint> run_;
};

}  // namespace pv::ui
