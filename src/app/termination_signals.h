#pragma once
// SIGTERM, SIGINT and SIGHUP as an ordinary event of the window program: the
// handler only writes a byte into a pipe, and the event loop turns it into
// `requested`, so the window closes the way it always does (the links
// stopped and joined, the settings saved) instead of dying mid-print.
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

signals:
    void requested(int signal);

private:
    void Drain();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pv::app
