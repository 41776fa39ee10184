#include "ui/color_pane.h"

#include <QPainter>

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

QSize CColorPane::sizeHint() const { return {minimumWidth(), fontMetrics().height()}; }

void CColorPane::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
    p.setPen(Qt::black);
    p.drawText(QPoint(1, fontMetrics().ascent()), ShownText());
}

}  // namespace pv::ui
