#pragma once
// Answers the modal windows a test opens without a person at the keyboard:
// every message box is recorded and closed with `boxButton`; every other
// modal dialog gets the next queued handler (which fills it in and ends it,
// or leaves it open for the next handler).  Handlers run from the event
// loop, so a message box a handler opens is answered too.  A dialog left
// open with no handler queued (a handler that failed half-way) is rejected
// after a few seconds, so a failing test ends instead of hanging.
#include <deque>
#include <functional>

#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace pv::test {

class ModalAnswerer : public QObject {
public:
    ModalAnswerer();

    using Handler = std::function<void(QDialog*)>;
    void Then(Handler handler) { handlers_.push_back(std::move(handler)); }

    // The message boxes seen, their texts in order.
    QStringList boxTexts;
    QStringList boxTitles;
    QMessageBox::StandardButton boxButton = QMessageBox::Ok;

    // Bounded wait until `count` message boxes have been answered.
    bool WaitForBoxes(int count, int timeoutMs = 5000);
    // Bounded wait until every queued handler has run.
    bool WaitForHandlers(int timeoutMs = 5000);

private:
    void Poll();
    void Answer(QWidget* modal);

    QTimer timer_;
    QElapsedTimer idle_;   // since the modal window on top was last answered or appeared
    QPointer<QWidget> seen_;
    std::deque<Handler> handlers_;
    bool pending_ = false;
};

}  // namespace pv::test
