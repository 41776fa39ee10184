#pragma once
// The advanced page: gear ratios, firing frequency, band segmentation,
// speeds, accelerations and the soft limit of AdvParaBlock.  Its values are
// locked when the page opens; the service password unlocks them until the
// dialog closes.  Apply and "推荐值" work locked or not.
#include <QString>
#include <functional>
#include <optional>

#include "ui/field_form.h"
#include "ui/para_page.h"

class QPushButton;

namespace pv::ui {

class CDlgPAdv : public ParaPage {
    Q_OBJECT
public:
    static constexpr const char* kUnlockPassword = "917";

    explicit CDlgPAdv(Station& station, QWidget* parent = nullptr);

    bool Apply() override;
    // "解除锁定": asks for the password; the right one enables the fields,
    // another says "Password error", Cancel does nothing.
    void Unlock();
    // "推荐值": the firing interval and the nozzle column distance that suit
    // the carriage pulses per mm shown; nothing is stored until Apply.
    bool Recommend();
    bool Locked() const { return locked_; }

    // Replaces the password prompt (the text entered, or nothing for Cancel).
    void SetPasswordPrompt(std::function<std::optional<QString>()> prompt) { prompt_ = std::move(prompt); }

    FieldForm* Form() override { return &form_; }
    QPushButton* unlockButton() const { return unlock_; }
    QPushButton* recommendButton() const { return recommend_; }

private:
    FieldForm form_;
    bool locked_ = true;
    QPushButton* unlock_ = nullptr;
    QPushButton* recommend_ = nullptr;
    std::function<std::optional<QString>()> prompt_;
};

}  // namespace pv::ui
