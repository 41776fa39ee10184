#include "app/window_host.h"

#include <QThread>

namespace pv::app {

void WindowHost::Attach(QObject* receiver, HostHandlers* handlers) {
    handlers_.store(handlers);
    receiver_.store(receiver);
}

void WindowHost::Deliver(const std::function<void(HostHandlers&)>& handle) {
    QObject* receiver = receiver_.load();
    if (!receiver || closing_.load()) return;
    auto run = [this, &handle] {
        // Checked again on arrival: the window may have begun closing while
        // the call waited in the queue.
        HostHandlers* h = handlers_.load();
        if (h && !closing_.load()) handle(*h);
    };
    if (QThread::currentThread() == receiver->thread()) {
        run();
        return;
    }
    QMetaObject::invokeMethod(receiver, run, Qt::BlockingQueuedConnection);
}

void WindowHost::PrintFinished(int result) {
    Deliver([result](HostHandlers& h) { h.OnPrintFinished(result); });
}
void WindowHost::BandSent() {
    Deliver([](HostHandlers& h) { h.OnBandSent(); });
}
void WindowHost::Refresh() {
    Deliver([](HostHandlers& h) { h.OnRefresh(); });
}
void WindowHost::SaveSettings() {
    Deliver([](HostHandlers& h) { h.OnSaveSettings(); });
}
void WindowHost::ScanManualDirectory() {
    Deliver([](HostHandlers& h) { h.OnScanManualDirectory(); });
}
void WindowHost::ScanAutoDirectory() {
    Deliver([](HostHandlers& h) { h.OnScanAutoDirectory(); });
}
void WindowHost::RemoveFinishedJobs() {
    Deliver([](HostHandlers& h) { h.OnRemoveFinishedJobs(); });
}
void WindowHost::RedrawList() {
    Deliver([](HostHandlers& h) { h.OnRedrawList(); });
}
void WindowHost::AutoStartOff() {
    Deliver([](HostHandlers& h) { h.OnAutoStartOff(); });
}
void WindowHost::ShowMessage(const std::string& text) {
    Deliver([&text](HostHandlers& h) { h.OnMessage(text); });
}

}  // namespace pv::app
