#pragma once
// The link threads' messages to the main window.  A call from a link thread
// is carried to the user-interface thread as a blocking queued call and
// returns when the window has handled it; a call made on the user-interface
// thread runs at once.  Once the window starts closing, messages are dropped,
// so a link thread waiting on one is released and can be joined.
#include <QObject>
#include <atomic>
#include <functional>

#include "link/station_host.h"

namespace pv::app {

// What the main window does for each message.
class HostHandlers {
public:
    virtual ~HostHandlers() = default;
    virtual void OnPrintFinished(int result) = 0;   // WM_USER+102
    virtual void OnBandSent() = 0;                  // WM_USER+103
    virtual void OnRefresh() = 0;                   // WM_USER+105
    virtual void OnSaveSettings() = 0;              // WM_USER+106
    virtual void OnScanManualDirectory() = 0;       // WM_USER+107
    virtual void OnScanAutoDirectory() = 0;         // WM_USER+108
    virtual void OnRemoveFinishedJobs() = 0;        // WM_USER+109
    virtual void OnRedrawList() = 0;                // WM_USER+110
    virtual void OnAutoStartOff() = 0;              // WM_USER+111
    virtual void OnMessage(const std::string& text) = 0;
};

class WindowHost : public QObject, public StationHost {
    Q_OBJECT
public:
    WindowHost() = default;

    // `handlers` lives on the user-interface thread (a QObject there).
    void Attach(QObject* receiver, HostHandlers* handlers);
    // From now on every message is dropped.
    void BeginClose() { closing_.store(true); }
    // While held (a print is being prepared on the window's thread), a link
    // thread's message waits until the hold ends, then is delivered.
    void HoldMessages(bool hold) { held_.store(hold); }
    bool Closing() const { return closing_.load(); }

    void PrintFinished(int result) override;
    void BandSent() override;
    void Refresh() override;
    void SaveSettings() override;
    void ScanManualDirectory() override;
    void ScanAutoDirectory() override;
    void RemoveFinishedJobs() override;
    void RedrawList() override;
    void AutoStartOff() override;
    void ShowMessage(const std::string& text) override;

private:
    void Deliver(const std::function<void(HostHandlers&)>& handle);

    std::atomic<QObject*> receiver_{nullptr};
    std::atomic<HostHandlers*> handlers_{nullptr};
    std::atomic<bool> closing_{false};
    std::atomic<bool> held_{false};
};

}  // namespace pv::app
