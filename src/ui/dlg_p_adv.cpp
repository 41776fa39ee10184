#include "ui/dlg_p_adv.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "settings/localized.h"
#include "ui/dialog_messages.h"
#include "ui/dlg_get_pwd.h"
#include "ui/page_fields.h"

namespace pv::ui {
namespace {

// Nearest integer, halves away from zero.
int RoundHalfAway(double v) { return static_cast<int>(v < 0 ? v - 0.5 : v + 0.5); }

}  // namespace

CDlgPAdv::CDlgPAdv(Station& station, QWidget* parent)
    : ParaPage(station, Capture::Advanced, parent), form_(kFieldContext, AdvancedFields(station.edition())) {
    const int next = form_.Build(this, Body());
    auto* buttons = new QHBoxLayout;
    unlock_ = new QPushButton(tr("解除锁定"), this);
    recommend_ = new QPushButton(tr("推荐值"), this);
    buttons->addWidget(unlock_);
    buttons->addWidget(recommend_);
    buttons->addStretch(1);
    Body()->addLayout(buttons, next, 0, 1, 2);
    connect(unlock_, &QPushButton::clicked, this, &CDlgPAdv::Unlock);
    connect(recommend_, &QPushButton::clicked, this, [this] { Recommend(); });
    prompt_ = [this]() -> std::optional<QString> {
        CDlgGetPwd password(this);
        if (password.exec() != QDialog::Accepted) return std::nullopt;
        return password.Text();
    };
    form_.Load(station_.settings.Get(), station_.params.Get());
    form_.Show();
    form_.SetEnabled(false);
}

void CDlgPAdv::Unlock() {
    const std::optional<QString> text = prompt_ ? prompt_() : std::nullopt;
    if (!text) return;
    if (*text == QLatin1String(kUnlockPassword)) {
        locked_ = false;
        form_.SetEnabled(true);
        return;
    }
    ShowMessage(this, Localized(Language(), "密码错误", "Password error"));
}

bool CDlgPAdv::Recommend() {
    if (!form_.Read(Language(), this)) return false;
    const int pulses = form_.IndexOf("carriagePulsesPerMm");
    const int interval = form_.IndexOf("fireIntervalPulses");
    const int gap = form_.IndexOf("nozzleColumnGapPx");
    const double p = form_.Held(pulses);
    const int fire = RoundHalfAway(p / 7.0);
    form_.SetHeld(interval, fire);
    if (fire != 0) form_.SetHeld(gap, RoundHalfAway(p * 4.096 / fire));
    form_.Show();
    return true;
}

bool CDlgPAdv::Apply() {
    if (!form_.Read(Language(), this)) return false;
    form_.Store(station_.settings, station_.params);
    SendOrTellOffline(0x24);
    return true;
}

}  // namespace pv::ui
