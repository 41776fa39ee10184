#include "ui/dialog_messages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace pv::ui {

int CaptionRoom(const QString& caption) {
    // The title bar's own buttons and margins beside the caption (pixels).
    constexpr int kTitleBarButtons = 140;
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    return title.horizontalAdvance(caption) + kTitleBarButtons;
}

void KeepCaptionWhole(QMessageBox& box) {
    // A short text makes a narrow box whose title bar cuts its caption
    // ("Password error"): the box is made wide enough for the caption.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(CaptionRoom(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void ShowMessage(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? QCoreApplication::applicationName() : caption, text,
                    QMessageBox::Ok, parent);
    KeepCaptionWhole(box);
    box.exec();
}

}  // namespace pv::ui
