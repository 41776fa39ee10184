#include "ui/bar_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

// The resources live in a static library: register them before first use.
static void InitBarResources() {
    static const bool once = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)once;
}

namespace pv::ui {

QIcon BarIcon(const char* name) {
    InitBarResources();
    const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QIcon PushedBarIcon(const char* name) {
    const QIcon normal = BarIcon(name);
    if (normal.isNull()) return normal;
    QPixmap tile(64, 64);
    tile.fill(Qt::transparent);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(31, 78, 121), 2));
    p.setBrush(QColor(170, 205, 240));
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    normal.paint(&p, QRect(8, 8, 48, 48));
    p.end();
    return QIcon(tile);
}

}  // namespace pv::ui
