#pragma once
// "偏移设定": the left offset of the printing (mm) in MachineParaBlock.
#include <QDialog>

#include "jobs/station.h"

class QLineEdit;
class QPushButton;

namespace pv::ui {

class CDlgOffset : public QDialog {
    Q_OBJECT
public:
    // The record field is 16 bits wide: larger offsets are refused rather
    // than wrapped into other values.
    static constexpr int kMaxOffsetMm = 65535;

    explicit CDlgOffset(Station& station, QWidget* parent = nullptr);

    // OK: stores the offset; online the record is sent and the dialog
    // closes, offline the operator is told and the dialog stays open.
    void Confirm();

    QLineEdit* offsetEdit() const { return offset_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    Station& station_;
    QLineEdit* offset_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace pv::ui
