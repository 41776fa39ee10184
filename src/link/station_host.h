#pragma once
// The only way the link threads reach the user interface.  Each call stands
// for one message to the main window and returns when the window has handled
// it, so a handler must never wait for a link thread.  The window implements
// it with blocking queued calls; the command-line tool and the tests with
// plain code.
#include <string>

namespace pv {

// Results a print driver reports when it ends.
enum PrintResult : int { kPrintDone = 1, kPrintFailed = 2 };

class StationHost {
public:
    virtual ~StationHost() = default;

    virtual void PrintFinished(int result) = 0;     // WM_USER+102: 1 printed, 2 failed or refused
    virtual void BandSent() = 0;                    // WM_USER+103: show progress
    virtual void Refresh() = 0;                     // WM_USER+105: refresh, start the next ready job
    virtual void SaveSettings() = 0;                // WM_USER+106
    virtual void ScanManualDirectory() = 0;         // WM_USER+107
    virtual void ScanAutoDirectory() = 0;           // WM_USER+108
    virtual void RemoveFinishedJobs() = 0;          // WM_USER+109
    virtual void RedrawList() = 0;                  // WM_USER+110
    virtual void AutoStartOff() = 0;                // WM_USER+111
    // A message box raised by a link thread (refused job, failed parameter
    // write); the text is already in the user's language.
    virtual void ShowMessage(const std::string& text) = 0;
    // The print driver has waited `seconds` for a machine that reports busy;
    // repeated every few seconds while it lasts.  Nothing to show by default.
    virtual void MachineBusy(int seconds) { (void)seconds; }
};

}  // namespace pv
