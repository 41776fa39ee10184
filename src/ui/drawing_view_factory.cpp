#include "ui/pelvane_view.h"

#include "jobs/station.h"
#include "ui/orvanta_view.h"

namespace pv::ui {

CPelvaneView* CreateDrawingView(Station& station, QWidget* parent) {
    if (IsFourHead(station.edition())) return new COrvantaView(station, parent);
    return new CPelvaneView(station, parent);
}

}  // namespace pv::ui
