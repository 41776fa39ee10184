#pragma once
// The drawing view, the lower pane of the main window: the current job's page
// to scale on black.  (The full view with its tools grows here; until then it
// is an empty black pane with the interface the window drives.)
#include <QWidget>

namespace pv {
class Station;
}

namespace pv::ui {

class CPelvaneView : public QWidget {
    Q_OBJECT
public:
    explicit CPelvaneView(Station& station, QWidget* parent = nullptr);

    // Shows the job at a display index: a negative index shows job 0, one
    // past the list shows nothing.  A job without curves has its file read
    // first; with `reportFailure` an unreadable file is reported.
    void ShowJob(int index, bool reportFailure = false);
    void Fit();
    // The view's commands (zoom, fit, arrows, page edits, undo and redo);
    // false for a command the view does not handle.
    bool HandleCommand(int id);
    // The button bar's drawing tool: 0 move view, 1 select, 2 move line,
    // 3 start point, 4 text.
    void SetTool(int tool);
    int Tool() const { return tool_; }
    // A band was sent while the machine works: outline it.
    void ShowPrintingBand();

signals:
    // The pointer moved over the drawing (plotter units, 1/40 mm).
    void pointerMoved(int x, int y);
    // The rows of the job list changed (a page edit, undo, redo).
    void jobsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Station& station_;
    int tool_ = 0;
    int shown_ = -1;
};

// The view of the running edition (the four-head view has no text tool and
// selects on every left drag).
CPelvaneView* CreateDrawingView(Station& station, QWidget* parent = nullptr);

}  // namespace pv::ui
