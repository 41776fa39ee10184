#include "ui/dialog_messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace pv::ui {

void ShowMessage(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? QCoreApplication::applicationName() : caption, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace pv::ui
