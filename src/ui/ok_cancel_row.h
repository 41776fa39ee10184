#pragma once
// The OK and Cancel buttons at the foot of the small dialogs, right-aligned,
// OK the default.  Cancel rejects the dialog; what OK does is the dialog's.
class QBoxLayout;
class QDialog;
class QPushButton;

namespace pv::ui {

struct OkCancelRow {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

OkCancelRow AddOkCancelRow(QDialog* dialog, QBoxLayout* layout);

}  // namespace pv::ui
