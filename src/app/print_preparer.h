#pragma once
// Runs the heavy steps of a print's preparation (shaping a long marker's
// knife lines, checking its cut segments: up to a few seconds) on a worker
// thread while the window's thread keeps its event loop turning: the window
// repaints, its timers tick and the status pane shows how far the
// preparation has come under a wait cursor.  The window's thread stays the
// owner of the result: it waits here until the worker is done and goes on
// with the print itself.
//
// Meanwhile nothing may change the job being prepared or start another
// print: the operator's input waits until the preparation is done, and so
// do the link threads' messages (the window host holds them back).
#include <atomic>

#include "output/print_preparation.h"

namespace pv {
class Station;
}

namespace pv::ui {
class CColorStatusBar;
}

namespace pv::app {

class WindowHost;

class PrintPreparer : public PrepareRunner {
public:
    PrintPreparer(Station& station, WindowHost& host, ui::CColorStatusBar* status)
        : station_(station), host_(host), status_(status) {}

    // False when the window began closing meanwhile: the print is then not
    // started.
    bool Run(const std::function<void()>& work) const override;
    void Progress(int percent) const override { percent_.store(percent); }

private:
    void ShowProgress(int percent) const;

    Station& station_;
    WindowHost& host_;
    ui::CColorStatusBar* status_;
    mutable std::atomic<int> percent_{0};
};

}  // namespace pv::app
