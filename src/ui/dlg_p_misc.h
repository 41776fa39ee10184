#pragma once
// The miscellaneous page: paper feed before and after a print, the tail
// cut-off of the paper, the distance of the tail cut line and the add-file
// dialog's first filter; in the four-head edition also "允许移动选中的曲线".
// Applying writes both parameter records: the advanced one first and the
// machine one 200 ms later, so the machine has stored the first before the
// second arrives.
#include <QElapsedTimer>
#include <QTimer>
#include <array>

#include "ui/field_form.h"
#include "ui/para_page.h"

class QCheckBox;
class QRadioButton;

namespace pv::ui {

class CDlgPMisc : public ParaPage {
    Q_OBJECT
public:
    static constexpr int kSecondWriteDelayMs = 200;

    explicit CDlgPMisc(Station& station, QWidget* parent = nullptr);
    // A machine record still due is sent on the way out, after what is left
    // of the gap.
    ~CDlgPMisc() override;

    bool Apply() override;

    FieldForm* Form() override { return &form_; }
    QRadioButton* fileTypeRadio(int i) const { return fileTypes_[i]; }
    // Four-head edition only (null in the other).
    QCheckBox* curveMoveCheck() const { return curveMove_; }

private:
    void SendSecondWrite();

    FieldForm form_;
    QTimer secondWrite_;
    QElapsedTimer sinceFirstWrite_;
    std::array<QRadioButton*, 4> fileTypes_{};
    QCheckBox* curveMove_ = nullptr;
};

}  // namespace pv::ui
