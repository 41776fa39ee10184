#pragma once
// The user page of the parameter dialog: reading, recognition, inkjet and
// paging options of the settings.  Nothing of it goes to the machine.
#include "ui/field_form.h"
#include "ui/para_page.h"

namespace pv::ui {

class CDlgPUser : public ParaPage {
    Q_OBJECT
public:
    explicit CDlgPUser(Station& station, QWidget* parent = nullptr);

    // ApplyUserPage: the fields into the settings (hole spacing × 10).
    bool Apply() override;

    FieldForm* Form() override { return &form_; }

private:
    FieldForm form_;
};

}  // namespace pv::ui
