#include "common/modal_util.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace pv::test {

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    timer_.start();
    idle_.start();
}

void ModalAnswerer::Poll() {
    if (pending_) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (modal != seen_) {
        seen_ = modal;
        idle_.restart();
    }
    if (!qobject_cast<QMessageBox*>(modal) && handlers_.empty()) {
        constexpr int kGiveUpMs = 3000;
        if (auto* d = qobject_cast<QDialog*>(modal); d && idle_.elapsed() > kGiveUpMs) {
            d->reject();
            idle_.restart();
        }
        return;
    }
    // Answer from the event loop, not from inside this tick: a handler that
    // opens a message box must let the next tick answer that box.
    pending_ = true;
    QPointer<QWidget> target(modal);
    QMetaObject::invokeMethod(
        this,
        [this, target] {
            pending_ = false;
            if (target) Answer(target);
            idle_.restart();
        },
        Qt::QueuedConnection);
}

void ModalAnswerer::Answer(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxTexts << box->text();
        boxTitles << box->windowTitle();
        if (QAbstractButton* b = box->button(boxButton)) b->click();
        else if (QAbstractButton* d = box->defaultButton()) d->click();
        else box->reject();
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (!dialog || handlers_.empty()) return;
    Handler h = std::move(handlers_.front());
    handlers_.pop_front();
    h(dialog);
}

bool ModalAnswerer::WaitForBoxes(int count, int timeoutMs) {
    return QTest::qWaitFor([&] { return boxTexts.size() >= count; }, timeoutMs);
}

bool ModalAnswerer::WaitForHandlers(int timeoutMs) {
    return QTest::qWaitFor([&] { return handlers_.empty() && !pending_; }, timeoutMs);
}

}  // namespace pv::test
