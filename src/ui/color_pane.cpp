#include "ui/color_pane.h"

#include <QPainter>
#include <algorithm>

namespace pv::ui {

CColorPane::CColorPane(QWidget* parent) : QWidget(parent), colour_(240, 240, 240) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CColorPane::SetColorText(const QString& text, const QColor& colour) {
    text_ = text;
    colour_ = colour;
    update();
}

QString CColorPane::ShownText() const {
    const qsizetype end = text_.indexOf(QLatin1Char('\n'));
    return end < 0 ? text_ : text_.left(end);
}

void CColorPane::SetWantedWidth(int width) {
    if (width == wanted_) return;
    wanted_ = width;
    updateGeometry();
}

QSize CColorPane::sizeHint() const { return {wanted_, fontMetrics().height()}; }

// Narrow enough that six panes never make the window wider than its screen.
QSize CColorPane::minimumSizeHint() const {
    constexpr int kNarrowest = 24;   // pixels
    return {std::min(wanted_, kNarrowest), fontMetrics().height()};
}

void CColorPane::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
    p.setPen(Qt::black);
    const QString shown = fontMetrics().elidedText(ShownText(), Qt::ElideRight, std::max(0, width() - 1));
    p.drawText(QPoint(1, fontMetrics().ascent()), shown);
}

}  // namespace pv::ui
