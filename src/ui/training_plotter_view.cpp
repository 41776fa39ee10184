#include "ui/training_plotter_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace pv::ui {

namespace {

constexpr int kCaption = 18;   // pixels above each picture for its caption

// The largest rectangle of `size`'s shape inside `box`, centred.
QRectF Fitted(const QSizeF& size, const QRectF& box) {
    if (size.width() <= 0 || size.height() <= 0) return {};
    const double z = std::min(box.width() / size.width(), box.height() / size.height());
    const QSizeF s(size.width() * z, size.height() * z);
    return {box.center().x() - s.width() / 2, box.center().y() - s.height() / 2, s.width(), s.height()};
}

}  // namespace

TrainingPlotterView::TrainingPlotterView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 240);
    setAutoFillBackground(true);
}

void TrainingPlotterView::SetPicture(TrainingPicture picture) {
    picture_ = std::move(picture);
    update();
}

QString TrainingPlotterView::StatusLine() const {
    const TrainingPicture& t = picture_;
    if (t.jobNumber == 0) return tr("虚拟绘图仪已就绪，等待任务。");
    QString state = tr("正在接收");
    if (t.ended) {
        if (t.ending == "complete") state = tr("已完成");
        else if (t.ending == "stopped") state = tr("已停止");
        else if (t.ending == "left") state = tr("机器离开了打印状态");
        else state = tr("被新任务取代");
    }
    return tr("任务 %1：%2，%3 个喷墨带，%4 段切割").arg(t.jobNumber).arg(state).arg(t.bands).arg(t.cutSegments);
}

void TrainingPlotterView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(64, 64, 64));
    const int statusHeight = fontMetrics().height() + 8;
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6 - statusHeight);
    const double half = (area.width() - 6) / 2;
    const QRectF inkBox(area.left(), area.top(), half, area.height());
    const QRectF cutBox(area.left() + half + 6, area.top(), half, area.height());
    p.setPen(Qt::white);
    p.drawText(QRectF(inkBox.left(), inkBox.top(), inkBox.width(), kCaption), Qt::AlignCenter, tr("喷墨"));
    p.drawText(QRectF(cutBox.left(), cutBox.top(), cutBox.width(), kCaption), Qt::AlignCenter, tr("切割"));
    PaintInk(p, inkBox.adjusted(0, kCaption, 0, 0));
    PaintCuts(p, cutBox.adjusted(0, kCaption, 0, 0));
    p.setPen(Qt::white);
    p.drawText(QRectF(6, height() - statusHeight, width() - 12, statusHeight), Qt::AlignLeft | Qt::AlignVCenter,
               StatusLine());
}

void TrainingPlotterView::PaintInk(QPainter& p, const QRectF& box) const {
    const TrainingPicture& t = picture_;
    if (t.inkTooLarge) {
        p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, tr("墨点太多，无法显示"));
        return;
    }
    const QRectF target = Fitted(t.inkMm, box);
    if (t.ink.isNull() || target.isEmpty()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(target, t.ink);
}

void TrainingPlotterView::PaintCuts(QPainter& p, const QRectF& box) const {
    const TrainingPicture& t = picture_;
    const QRectF target = Fitted(t.cutBoundsMm.size(), box);
    if (target.isEmpty()) return;
    p.fillRect(target, Qt::white);
    const double z = target.width() / t.cutBoundsMm.width();
    p.save();
    p.translate(target.topLeft());
    p.scale(z, z);
    p.translate(-t.cutBoundsMm.topLeft());
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen travel(QColor(160, 160, 160), 0, Qt::DotLine);
    p.setPen(travel);
    for (const QPolygonF& m : t.moves) p.drawPolyline(m);
    p.setPen(QPen(QColor(220, 0, 0), 0));
    for (const QPolygonF& c : t.cuts) p.drawPolyline(c);
    p.restore();
}

}  // namespace pv::ui
