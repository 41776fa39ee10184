#include "ui/page_renderer.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pv::ui {

const QColor PageRenderer::kFrame{0, 255, 0};
const QColor PageRenderer::kGrid{20, 60, 60};
const QColor PageRenderer::kGridLabel{0, 255, 0};
const QColor PageRenderer::kBand{0, 200, 255};

namespace {

constexpr int kBoxMargin = 64;       // pixels around the clip
constexpr int kDecorReach = 16;      // handles (3) and arrows (15) reach this far from a vertex
constexpr int kHandle = 3;           // pixels from the vertex to the handle's edge
constexpr double kArrowTip = 15.0;   // pixels
constexpr double kArrowBase = 6.0;   // pixels

// Liang-Barsky: clips the segment a->b to `box`; false when nothing is left.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
    }
    const QPointF a0 = a;
    if (t1 < 1) b = QPointF(a0.x() + t1 * dx, a0.y() + t1 * dy);
    if (t0 > 0) a = QPointF(a0.x() + t0 * dx, a0.y() + t0 * dy);
    return true;
}

// Truncation toward zero, as the view maps every point.
QPoint Trunc(const QPointF& p) { return {static_cast<int>(p.x()), static_cast<int>(p.y())}; }

QPointF Pixel(const ViewMapping& v, const Point& pt) { return {v.PixelX(pt.x), v.PixelY(pt.y)}; }

}  // namespace

QColor PageRenderer::KindColour(const CCurve& c) {
    switch (c.kind) {
    case kDrawn: return c.role == kRoleTried ? QColor(250, 0, 250) : QColor(255, 255, 255);
    case kFullCut: return {255, 0, 0};
    case kHalfCut: return {255, 255, 0};
    case kDotGap: return {0, 255, 0};
    case kDot: return {0, 255, 255};
    default: return {128, 128, 128};   // a kind no reader makes
    }
}

std::vector<PageRenderer::Extent> PageRenderer::Extents(const COnePage& page) {
    std::vector<Extent> out;
    out.reserve(page.curves.size());
    for (const CCurve& c : page.curves) {
        Extent e{0, 0, -1, -1};   // no points: never near anything
        if (!c.points.empty()) {
            e = {c.points[0].x, c.points[0].y, c.points[0].x, c.points[0].y};
            for (const Point& p : c.points) {
                e.minX = std::min(e.minX, p.x);
                e.maxX = std::max(e.maxX, p.x);
                e.minY = std::min(e.minY, p.y);
                e.maxY = std::max(e.maxY, p.y);
            }
        }
        out.push_back(e);
    }
    return out;
}

bool PageRenderer::FarFromClip(const Extent& e, const ViewMapping& view) const {
    if (e.maxX < e.minX) return true;
    // Y grows upward in the drawing and downward on the screen.
    const double left = view.PixelX(e.minX), right = view.PixelX(e.maxX);
    const double top = view.PixelY(e.maxY), bottom = view.PixelY(e.minY);
    return right < box_.left() || left > box_.right() || bottom < box_.top() || top > box_.bottom();
}

void PageRenderer::Render(QImage& image, const QRect& clip, const COnePage* page, const ViewMapping& view,
                          std::int32_t paperLenMm, const std::vector<Extent>* extents) {
    QPainter p(&image);
    clip_ = clip & image.rect();
    p.setClipRect(clip_);
    p.fillRect(clip_, Qt::black);
    if (!page) return;
    box_ = QRectF(clip_.adjusted(-kBoxMargin, -kBoxMargin, kBoxMargin, kBoxMargin));
    DrawFrame(p, *page, view, paperLenMm);
    DrawGrid(p, clip_, *page, view, paperLenMm);
    // Drawn lines first, the knife lines over them.
    if (extents && extents->size() != page->curves.size()) extents = nullptr;
    for (const bool drawnPass : {true, false}) {
        for (std::size_t i = 0; i < page->curves.size(); ++i) {
            const CCurve& c = page->curves[i];
            if ((c.kind == kDrawn) != drawnPass) continue;
            if (extents && FarFromClip((*extents)[i], view)) continue;
            DrawCurve(p, c, view);
        }
    }
}

void PageRenderer::DrawFrame(QPainter& p, const COnePage& page, const ViewMapping& view, std::int32_t paperLenMm) {
    const QPointF a = Pixel(view, {0, 0});
    const QPointF b = Pixel(view, {page.maxX, TruncToInt32(40.0 * paperLenMm)});
    QRectF frame = QRectF(a, b).normalized().adjusted(-4, -4, 4, 4);
    frame = frame.intersected(box_);
    if (frame.isEmpty()) return;
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    // A stroked rectangle reaches one pixel past its size: the sides land on
    // the truncated edges.
    const QPoint tl = Trunc(frame.topLeft()), br = Trunc(frame.bottomRight());
    p.drawRect(tl.x(), tl.y(), br.x() - tl.x(), br.y() - tl.y());
}

void PageRenderer::DrawGrid(QPainter& p, const QRect& clip, const COnePage& page, const ViewMapping& view,
                            std::int32_t paperLenMm) {
    const std::int32_t d = ViewMapping::GridStepMm(view.z);
    const double step = 40.0 * d;   // plotter units
    const double paper = 40.0 * std::max(paperLenMm, 0);
    // Zoomed out so far that the lines would touch, the grid would only fill
    // the paper; it is left out rather than painted line by line.
    if (step * view.z < 2.0) return;
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const auto label = [&](double px, double py, int mm) {
        char text[16];
        std::snprintf(text, sizeof text, "%03d", mm);
        p.setPen(kGridLabel);
        p.drawText(QRectF(px, py, 60, 16), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(text));
    };
    // Only the grid lines that reach the clip (labels reach 40 pixels to the
    // left of theirs) are walked, so a huge drawing costs no more than a small one.
    const double x0 = (clip.left() - 8 + view.sx0 - ViewMapping::kOriginLeft) / view.z;
    const double x1 = (clip.right() + 48 + view.sx0 - ViewMapping::kOriginLeft) / view.z;
    const double y0 = (view.H - view.sy0 - (clip.bottom() + 24) - ViewMapping::kOriginBottom) / view.z;
    const double y1 = (view.H - view.sy0 - (clip.top() - 24) - ViewMapping::kOriginBottom) / view.z;
    const QPointF origin = Pixel(view, {0, 0});

    const std::int64_t kx = static_cast<std::int64_t>(page.maxX / step);
    const std::int64_t kxFrom = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::floor(x0 / step)));
    const std::int64_t kxTo = std::min<std::int64_t>(kx, static_cast<std::int64_t>(std::ceil(x1 / step)));
    const double top = view.PixelY(TruncToInt32(paper));
    for (std::int64_t k = kxFrom; k <= kxTo; ++k) {
        const double px = view.PixelX(TruncToInt32(k * step));
        p.setPen(QPen(kGrid, 1));
        QPointF a(px, top), b(px, origin.y());
        if (ClipSegment(a, b, box_)) p.drawLine(Trunc(a), Trunc(b));
        label(std::trunc(px) - 12, std::trunc(origin.y()) + 6, static_cast<int>(k * d));
    }
    const std::int64_t ky = paperLenMm > 0 ? paperLenMm / d : 0;
    const std::int64_t kyFrom = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::floor(y0 / step)));
    const std::int64_t kyTo = std::min<std::int64_t>(ky, static_cast<std::int64_t>(std::ceil(y1 / step)));
    const double right = view.PixelX(page.maxX);
    for (std::int64_t k = kyFrom; k <= kyTo; ++k) {
        const double py = view.PixelY(TruncToInt32(k * step));
        p.setPen(QPen(kGrid, 1));
        QPointF a(origin.x(), py), b(right, py);
        if (ClipSegment(a, b, box_)) p.drawLine(Trunc(a), Trunc(b));
        label(std::trunc(origin.x()) - 36, std::trunc(py) - 8, static_cast<int>(k * d));
    }
    p.setPen(kGridLabel);
    p.drawText(QRectF(std::trunc(origin.x()) - 12, std::trunc(origin.y()) + 6, 60, 16), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("0"));
}

void PageRenderer::Flush(QPainter& p) {
    if (run_.size() == 1) p.drawPoint(run_.front());
    else if (run_.size() > 1) p.drawPolyline(run_.data(), static_cast<int>(run_.size()));
    run_.clear();
}

void PageRenderer::DrawCurve(QPainter& p, const CCurve& c, const ViewMapping& view) {
    const std::size_t n = c.points.size();
    if (n == 0) return;
    QPen pen(KindColour(c), 1);
    if (c.kind == kDrawn && c.lineType == 1) pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    run_.clear();
    const auto append = [&](const QPointF& q) {
        const QPoint t = Trunc(q);
        // A vertex on the same pixel as the one before draws nothing new.
        if (run_.empty() || run_.back() != t) run_.push_back(t);
    };
    QPointF prev = Pixel(view, c.points[0]);
    if (n == 1 && box_.contains(prev)) append(prev);
    for (std::size_t i = 1; i < n; ++i) {
        const QPointF next = Pixel(view, c.points[i]);
        QPointF a = prev, b = next;
        if (box_.contains(a) && box_.contains(b)) {
            if (run_.empty()) append(a);
            append(b);
        } else if (ClipSegment(a, b, box_)) {
            if (a != prev || run_.empty()) {
                Flush(p);
                append(a);
            }
            append(b);
            if (b != next) Flush(p);
        } else {
            Flush(p);
        }
        prev = next;
    }
    Flush(p);
    if (c.selected != 0) {
        DrawHandles(p, c, view);
        if (c.kind >= kFullCut && n >= 2) DrawArrow(p, c, view);
    }
}

void PageRenderer::DrawHandles(QPainter& p, const CCurve& c, const ViewMapping& view) {
    p.setPen(QPen(KindColour(c), 1));
    p.setBrush(Qt::NoBrush);
    const QRectF reach = QRectF(clip_).adjusted(-kDecorReach, -kDecorReach, kDecorReach, kDecorReach);
    for (const Point& pt : c.points) {
        const QPointF q = Pixel(view, pt);
        if (!reach.contains(q)) continue;
        const QPoint t = Trunc(q);
        p.drawRect(t.x() - kHandle, t.y() - kHandle, 2 * kHandle, 2 * kHandle);
    }
}

void PageRenderer::DrawArrow(QPainter& p, const CCurve& c, const ViewMapping& view) {
    const QPointF s = Pixel(view, c.points[0]);
    const QRectF reach = QRectF(clip_).adjusted(-kDecorReach, -kDecorReach, kDecorReach, kDecorReach);
    if (!reach.contains(s)) return;
    // The first segment's direction on the screen (Y pointing down); a first
    // segment of no length on the screen takes the first one that has some.
    double dx = 0, dy = 0;
    for (std::size_t i = 1; i < c.points.size() && dx == 0 && dy == 0; ++i) {
        const QPointF q = Pixel(view, c.points[i]);
        dx = q.x() - s.x();
        dy = q.y() - s.y();
    }
    const double len = std::hypot(dx, dy);
    if (!(len > 0)) return;
    const double ux = dx / len, uy = dy / len;
    const QPointF tri[3] = {
        QPointF(s.x() + kArrowTip * ux, s.y() + kArrowTip * uy),
        QPointF(s.x() - kArrowBase * uy, s.y() + kArrowBase * ux),
        QPointF(s.x() + kArrowBase * uy, s.y() - kArrowBase * ux),
    };
    const QColor colour = KindColour(c);
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawPolygon(tri, 3);
    p.setBrush(Qt::NoBrush);
}

}  // namespace pv::ui
