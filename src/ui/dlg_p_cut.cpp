#include "ui/dlg_p_cut.h"

#include "ui/page_fields.h"

namespace pv::ui {

CDlgPCut::CDlgPCut(Station& station, QWidget* parent)
    : ParaPage(station, Capture::Inactive, parent), form_(kFieldContext, CutFields()) {
    form_.Build(this, Body());
    form_.Load(station_.settings.Get(), station_.params.Get());
    form_.Show();
    form_.SetEnabled(Online());
}

bool CDlgPCut::Apply() {
    if (!form_.Read(Language(), this)) return false;
    form_.Store(station_.settings, station_.params);
    SendOrTellOffline(0x25);
    return true;
}

}  // namespace pv::ui
