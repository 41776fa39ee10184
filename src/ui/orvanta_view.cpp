#include "ui/orvanta_view.h"

#include "geometry/one_page.h"
#include "jobs/station.h"

namespace pv::ui {

COrvantaView::COrvantaView(Station& station, QWidget* parent) : CPelvaneView(station, parent) {
    CPelvaneView::SetTool(1);
}

void COrvantaView::SetTool(int) {}

bool COrvantaView::MoveSelectionModeAt(QPoint pos, Qt::KeyboardModifiers mods) const {
    const COnePage* page = ShownPage();
    const bool allowed = station_.settings.Read([](const AppSettings& s) { return s.EnableCurveMove == 1; });
    if (!allowed || !page || page->anySelected == 0) return false;
    if (mods.testFlag(Qt::ControlModifier)) return false;
    const Point w = Mapping().ToWorld({pos.x(), pos.y()});
    return w.x > page->selMinX && w.x < page->selMaxX && w.y > page->selMinY && w.y < page->selMaxY;
}

}  // namespace pv::ui
