#include "ui/pelvane_view.h"

#include <QPainter>

#include "jobs/station.h"
#include "ui/command_ids.h"

namespace pv::ui {

CPelvaneView::CPelvaneView(Station& station, QWidget* parent) : QWidget(parent), station_(station) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CPelvaneView::ShowJob(int index, bool reportFailure) {
    if (index < 0) index = 0;
    COnePage* job = station_.jobs.JobAt(index);
    if (!job) {
        shown_ = -1;
        update();
        return;
    }
    if (job->curves.empty()) station_.LoadDrawing(*job);
    (void)reportFailure;
    station_.jobs.SelectJob(index);
    shown_ = index;
    Fit();
}

void CPelvaneView::Fit() { update(); }

bool CPelvaneView::HandleCommand(int id) {
    switch (id) {
    case kCmdFit:
    case kCmdFitButton:
        Fit();
        return true;
    default:
        return false;
    }
}

void CPelvaneView::SetTool(int tool) { tool_ = tool; }

void CPelvaneView::ShowPrintingBand() {}

CPelvaneView* CreateDrawingView(Station& station, QWidget* parent) { return new CPelvaneView(station, parent); }

void CPelvaneView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
}

}  // namespace pv::ui
