#include "modal_util.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace pv::test {

void AnswerNextModal(bool accept, QString* seen, int timeoutMs) {
    auto* clock = new QElapsedTimer;
    clock->start();
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, clock, accept, seen, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && clock->elapsed() < timeoutMs) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (seen) *seen = box->text();
            QAbstractButton* b = box->button(accept ? QMessageBox::Ok : QMessageBox::Cancel);
            if (!b) b = accept ? static_cast<QAbstractButton*>(box->defaultButton()) : box->escapeButton();
            if (b) {
                b->click();
                return;
            }
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) accept ? dialog->accept() : dialog->reject();
    });
    poll->start();
}

}  // namespace pv::test
