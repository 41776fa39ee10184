#include "app/window_host.h"

#include <QThread>
#include <chrono>
#include <thread>

namespace pv::app {

void WindowHost::Attach(QObject* receiver, HostHandlers* handlers) {
    handlers_.store(handlers);
    receiver_.store(receiver);
}

void WindowHost::Deliver(const std::function<void(HostHandlers&)>& handle) {
    QObject* receiver = receiver_.load();
    if (!receiver || closing_.load()) return;
    if (QThread::currentThread() == receiver->thread()) {
        HostHandlers* h = handlers_.load();
        if (h) handle(*h);
        return;
    }
    for (;;) {
        while (held_.load() && !closing_.load()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (closing_.load()) return;
        bool delivered = false;
        auto run = [this, &handle, &delivered] {
            // Checked again on arrival: the window may have begun closing, or
            // a preparation begun holding the messages, while the call waited
            // in the queue.
            if (held_.load() && !closing_.load()) return;
            delivered = true;
            HostHandlers* h = handlers_.load();
            if (h && !closing_.load()) handle(*h);
        };
        QMetaObject::invokeMethod(receiver, run, Qt::BlockingQueuedConnection);
        if (delivered || closing_.load()) return;
    }
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
