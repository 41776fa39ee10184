#pragma once
// The size page: the scale correction.  A line drawn 1000 mm long is
// measured along and across the paper; the drawing is then scaled by
// 1000 / measured.  The measured lengths live on the mainboard (radio
// "比例参数存于主板") or in the settings ("比例参数存于电脑").
#include <array>

#include "ui/para_page.h"

class QLineEdit;
class QRadioButton;
class QPushButton;

namespace pv::ui {

class CDlgPSize : public ParaPage {
    Q_OBJECT
public:
    enum Axis { AlongFeed = 0, AcrossFeed = 1 };
    static constexpr double kDesignMm = 1000.0;

    explicit CDlgPSize(Station& station, QWidget* parent = nullptr);

    // ApplySizePage: the measured lengths × 10 into the chosen place, then
    // the machine record is sent (or "Offline!").
    bool Apply() override;
    // "更新": the scales of the typed lengths, four decimals, truncated.
    bool Update();

    QLineEdit* measuredEdit(Axis a) const { return measured_[a]; }
    QLineEdit* scaleEdit(Axis a) const { return scale_[a]; }
    QRadioButton* machineRadio() const { return onMachine_; }
    QRadioButton* computerRadio() const { return onComputer_; }
    QPushButton* updateButton() const { return update_; }

private:
    // Both lengths from the chosen place, the scales recomputed.
    void LoadFrom(bool computer);
    bool ReadMeasured(std::array<double, 2>& m);

    std::array<QLineEdit*, 2> measured_{};
    std::array<QLineEdit*, 2> scale_{};
    QRadioButton* onMachine_ = nullptr;
    QRadioButton* onComputer_ = nullptr;
    QPushButton* update_ = nullptr;
};

}  // namespace pv::ui
