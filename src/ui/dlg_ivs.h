#pragma once
// "墨量统计": the ink used by each cartridge since it was changed, counted
// in drops of 5 pL (2 × 10^8 drops per mL); the counters are reset when a
// cartridge is replaced, and the cartridge capacity and whether the main
// window shows the ink are set here.  Two-head edition only.
#include <QDialog>

#include "jobs/station.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pv::ui {

class CDlgIVS : public QDialog {
    Q_OBJECT
public:
    static constexpr double kMaxMl = 1000;

    explicit CDlgIVS(Station& station, QWidget* parent = nullptr);

    // mL used for a drop count, and the drops stored back for a volume
    // (truncated toward zero).
    static double UsedMl(std::int64_t drops);
    static std::int64_t DropsOf(double ml);

    // OK: the fields checked and stored; false (dialog stays open) when one
    // was refused.
    bool Store();

    QCheckBox* showCheck() const { return show_; }
    QLineEdit* usedEdit(int head) const { return used_[head]; }
    QLineEdit* capacityEdit() const { return capacity_; }
    QPushButton* resetButton(int head) const { return reset_[head]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    Station& station_;
    QCheckBox* show_;
    QLineEdit* used_[2];
    QLineEdit* capacity_;
    QPushButton* reset_[2];
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace pv::ui
