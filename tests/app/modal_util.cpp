#include "modal_util.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace pv::test {

ModalAnswerer::ModalAnswerer(bool accept) : accept_(accept) {
    poll_.setInterval(20);
    connect(&poll_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    poll_.start();
}

void ModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    ++answered_;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        text_ = box->text();
        QAbstractButton* b = box->button(accept_ ? QMessageBox::Ok : QMessageBox::Cancel);
        if (!b) b = accept_ ? static_cast<QAbstractButton*>(box->defaultButton()) : box->escapeButton();
        if (b) {
            b->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) accept_ ? dialog->accept() : dialog->reject();
}

}  // namespace pv::test
