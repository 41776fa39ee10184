#pragma once
// What the job list needs from the rest of the station: the machine's
// readiness, reading a job's drawing, starting its print, the operator's
// messages and the undo history.  The station implements it; tests script it.
#include <string>

#include "geometry/one_page.h"
#include "settings/edition.h"

namespace pv {

class JobEnvironment {
public:
    virtual ~JobEnvironment() = default;

    // `StopRequested` is clear and the machine reports state 1 (ready).
    virtual bool MachineReady() const = 0;
    virtual bool AutoStartOn() const = 0;
    // Switches `AutoStart` off (setting and the button bar's check box).
    virtual void SwitchAutoStartOff() = 0;
    // Reads the drawing of a job created without one (a watched-directory
    // job or a restored one) into it, keeping its job fields.  Silent.
    virtual void LoadDrawing(COnePage& job) = 0;
    // Prepares the job and starts its print driver; false when it did not start.
    virtual bool StartPrint(const COnePage& job) = 0;
    // Releases what the print that just ended was streamed from (the
    // prepared page, the knife records); its driver reads them no more.
    virtual void ClearPrintBookkeeping() {}
    // A message box for the operator, already in the user's language.
    virtual void ShowMessage(const std::string& text) = 0;
    // The rows changed: rebuild the list and redraw the view.
    virtual void JobsChanged() {}
    // Records the queue after an edit the operator can undo.
    virtual void PushUndoSnapshot() {}
    virtual int Language() const = 0;
    virtual Edition edition() const = 0;
};

}  // namespace pv
