#pragma once
// SIGTERM, SIGINT and SIGHUP as an ordinary event of the window program: the
// handler only writes a byte into a pipe, and the event loop turns it into
// `requested`, so the window closes the way it always does (the links
// stopped and joined, the settings saved) instead of dying mid-print.
// Message boxes and dialogs run event loops of their own: a signal closes
// every one of them first, so it is never lost behind a modal window (the
// start-up message about a damaged task file, a question, a file dialog).
#include <QObject>

class QSocketNotifier;

namespace pv::app {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one object may exist at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool installed() const { return notifier_ != nullptr; }
    // The last signal received, 0 while none came: start-up steps that run
    // before the main event loop check it.
    int received() const { return received_; }

signals:
    void requested(int signal);

private:
    void Drain();

    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
};

}  // namespace pv::app
