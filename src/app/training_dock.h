#pragma once
// The training plotter as the window offers it: the "虚拟绘图仪" transport
// starts the built-in virtual plotter, routes the machine link to it and
// shows what it received in a pane beside the window; choosing Ethernet or
// USB again (or closing the window) stops it and sends the link back to the
// configured machine.  Never on at start: a configured machine is always
// what the program talks to first.
#include <QDockWidget>
#include <QTimer>
#include <memory>

class QMainWindow;

namespace pv::ui {
class TrainingPlotterView;
}

namespace pv::app {

class TrainingPlotter;
class WindowStation;

class TrainingDock : public QObject {
    Q_OBJECT
public:
    TrainingDock(WindowStation& ws, QMainWindow* window);
    ~TrainingDock() override;

    // Starts the plotter and routes the link to it (shows the pane again
    // when it already runs); false when it could not start (reported).
    bool Start();
    // Gives the pane its share of the window's width (again after the
    // window is first shown).
    void FitPane();
    // Ends the plotter and routes the link back; nothing when not running.
    void Stop();
    bool running() const;
    // The pace of the next start: 1 a real machine's (the default), 0 as
    // fast as possible (tests).
    void SetSpeed(double speed);

    ui::TrainingPlotterView* view() const { return view_; }
    QDockWidget* dock() const { return dock_; }
    TrainingPlotter* plotter() const { return plotter_.get(); }

private:
    void Refresh();

    WindowStation& ws_;
    QMainWindow* window_;
    std::unique_ptr<TrainingPlotter> plotter_;
    QDockWidget* dock_ = nullptr;
    ui::TrainingPlotterView* view_ = nullptr;
    QTimer refresh_;
    std::uint64_t shown_ = 0;
};

}  // namespace pv::app
