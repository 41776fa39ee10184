#pragma once
// The machine page of the parameter dialog.  Two-head edition: the head
// check boxes, inkjet, head position, edge and cut values of
// MachineParaBlock.  Four-head edition: the inkjet page — the head
// combination, the three overlaps, the eight head positions and the edge
// values (its cut values have their own page).  Offline the page can be
// looked at but not edited.
#include "ui/field_form.h"
#include "ui/para_page.h"

class QCheckBox;
class QComboBox;

namespace pv::ui {

class CDlgPMac : public ParaPage {
    Q_OBJECT
public:
    explicit CDlgPMac(Station& station, QWidget* parent = nullptr);

    // Stores the page into MachineParaBlock (and the settings' copies of the
    // head positions or of the back-and-forth correction), then sends the
    // record, or tells the operator the machine is offline.
    bool Apply() override;

    FieldForm* Form() override { return &form_; }
    // Two-head edition only (null in the other).
    QCheckBox* head1Check() const { return head1_; }
    QCheckBox* head2Check() const { return head2_; }
    // Four-head edition only (null in the other).
    QComboBox* combinationList() const { return combination_; }

private:
    // A head box was clicked: keep at least one head, then show the held
    // values again.
    void HeadClicked(QCheckBox* clicked);
    std::uint8_t HeadEnable() const;

    FieldForm form_;
    QCheckBox* head1_ = nullptr;
    QCheckBox* head2_ = nullptr;
    QComboBox* combination_ = nullptr;
};

}  // namespace pv::ui
