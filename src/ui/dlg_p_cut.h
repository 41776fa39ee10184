#pragma once
// The four-head edition's cut page: cut mode, lengths, delay, the
// registration of cut to print and the three knife pressures of
// MachineParaBlock.  Offline it can be looked at but not edited.
#include "ui/field_form.h"
#include "ui/para_page.h"

namespace pv::ui {

class CDlgPCut : public ParaPage {
    Q_OBJECT
public:
    explicit CDlgPCut(Station& station, QWidget* parent = nullptr);

    // Stores the page and sends the record (or tells the operator offline).
    bool Apply() override;

    FieldForm* Form() override { return &form_; }

private:
    FieldForm form_;
};

}  // namespace pv::ui
