#include "app/termination_signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace pv::app {

namespace {

int g_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int signal) {
    // Only async-signal-safe calls here: one byte, the signal's number.
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = write(g_pipe[1], &byte, 1);
}

// Ends every modal window, innermost first; each returns from its own event
// loop once control goes back to it.  A message box without an escape
// button ignores a close, so each is ended as rejected.
void CloseModalWindows() {
    constexpr int kMostNested = 64;   // more than any chain of dialogs
    for (int i = 0; i < kMostNested; ++i) {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr) return;
        if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->done(QDialog::Rejected);
        else w->close();
        if (QApplication::activeModalWidget() == w) w->hide();
    }
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (g_pipe[0] >= 0 || pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Drain);
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : kSignals) sigaction(s, &sa, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (int s : kSignals) std::signal(s, SIG_DFL);
    delete notifier_;
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::Drain() {
    unsigned char byte = 0;
    int last = 0;
    while (read(g_pipe[0], &byte, 1) == 1) last = byte;
    if (!last) return;
    received_ = last;
    CloseModalWindows();
    emit requested(last);
}

}  // namespace pv::app
