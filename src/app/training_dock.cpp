#include "app/training_dock.h"
#include "settings/localized.h"

#include <QMainWindow>
#include <algorithm>
#include <QMessageBox>

#include "app/training_plotter.h"
#include "app/window_station.h"
#include "ui/training_plotter_view.h"

namespace pv::app {

TrainingDock::TrainingDock(WindowStation& ws, QMainWindow* window) : ws_(ws), window_(window) {
    SetSpeed(1.0);
    refresh_.setInterval(250);
    connect(&refresh_, &QTimer::timeout, this, &TrainingDock::Refresh);
}

TrainingDock::~TrainingDock() { Stop(); }

bool TrainingDock::running() const { return plotter_->running(); }

void TrainingDock::SetSpeed(double speed) {
    if (plotter_ && plotter_->running()) return;
    plotter_ = std::make_unique<TrainingPlotter>(
        ws_.station.edition(), [&ws = ws_] { return ws.station.settings.Get(); }, speed);
}

bool TrainingDock::Start() {
    if (!plotter_->running()) {
        QString error;
        if (!plotter_->Start(&error)) {
            QMessageBox::warning(window_, QString(),
                                 QString::fromUtf8(Localized(ws_.station.Language(), "虚拟绘图仪无法启动：%1",
                                                             "The virtual plotter cannot start: %1"))
                                     .arg(error));
            return false;
        }
        ws_.link.RouteToLoopback(plotter_->port());
        ws_.ReadParametersAgain();
        refresh_.start();
    }
    if (!dock_) {
        dock_ = new QDockWidget(tr("虚拟绘图仪"), window_);
        dock_->setObjectName("TrainingPlotter");
        view_ = new ui::TrainingPlotterView(dock_);
        dock_->setWidget(view_);
        window_->addDockWidget(Qt::RightDockWidgetArea, dock_);
    }
    dock_->show();
    FitPane();
    Refresh();
    return true;
}

void TrainingDock::FitPane() {
    if (!dock_ || !dock_->isVisible()) return;
    // A fifth of the window at most, so that the job list keeps its File
    // Name column in view; the window itself does not grow for the pane.
    // Before the window is first shown its width is not yet its own, so the
    // window calls this again once it is on the screen.
    window_->resizeDocks({dock_}, {std::min(view_->sizeHint().width(), window_->width() / 5)}, Qt::Horizontal);
}

void TrainingDock::Stop() {
    if (!plotter_->running()) return;
    refresh_.stop();
    ws_.link.RouteToConfigured();
    plotter_->Stop();
    ws_.ReadParametersAgain();
    if (dock_) dock_->hide();
}

void TrainingDock::Refresh() {
    if (!view_ || plotter_->generation() == shown_) return;
    shown_ = plotter_->generation();
    view_->SetPicture(plotter_->Picture());
}

}  // namespace pv::app
