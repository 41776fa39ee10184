#pragma once
// Helpers of the dialog tests: a station with its program folder in a fresh
// temporary folder, and an answerer that closes the message boxes the
// dialogs raise (recording their texts) and fills in prompts.
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "jobs/station.h"

namespace pv::test {

struct TestStation {
    explicit TestStation(Edition edition, bool online = true);
    QTemporaryDir dir;
    std::unique_ptr<Station> station;
    Station& operator*() { return *station; }
    Station* operator->() { return station.get(); }
    // Copies of the two records as they are now.
    AppSettings S() const { return station->settings.Get(); }
    MachineParams P() const { return station->params.Get(); }
};

// While it lives, every message box that becomes the active modal window is
// recorded and closed with OK; any other modal dialog is handed to
// `onDialog` (which must close it).
class DialogAnswerer : public QObject {
public:
    DialogAnswerer();
    QStringList messages;
    std::function<void(QWidget*)> onDialog;

private:
    QTimer timer_;
};

// Every code waiting in the queue, oldest first (the queue is emptied).
std::vector<int> DrainQueue(Station& station);

// Types `text` into a line edit as the operator would.
void Type(QLineEdit* edit, const QString& text);

}  // namespace pv::test
