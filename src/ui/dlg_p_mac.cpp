#include "ui/dlg_p_mac.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/page_fields.h"

namespace pv::ui {
namespace {

std::vector<FormField> MachinePageFields(Edition e) {
    std::vector<FormField> f = InkjetFields(e);
    if (!IsFourHead(e)) {
        std::vector<FormField> cut = CutFields();
        f.insert(f.end(), cut.begin(), cut.end());
    }
    return f;
}

}  // namespace

CDlgPMac::CDlgPMac(Station& station, QWidget* parent)
    : ParaPage(station, Capture::Machine, parent),
      form_(kFieldContext, MachinePageFields(station.edition())) {
    const MachineParaBlock b = station_.params.Get().machine;
    auto* top = new QHBoxLayout;
    if (IsFourHead(edition())) {
        combination_ = new QComboBox(this);
        for (int i = 0; i < 6; ++i) combination_->addItem(QString::fromUtf8(HeadCombinationText(i)));
        combination_->setCurrentIndex(b.headCombination < 6 ? b.headCombination : 0);
        top->addWidget(new QLabel(tr("喷头组合"), this));
        top->addWidget(combination_);
    } else {
        head1_ = new QCheckBox(tr("启用1#喷头"), this);
        head2_ = new QCheckBox(tr("启用2#喷头"), this);
        head1_->setChecked(b.headEnable != 2);
        head2_->setChecked(b.headEnable != 1);
        top->addWidget(head1_);
        top->addWidget(head2_);
        connect(head1_, &QCheckBox::clicked, this, [this] { HeadClicked(head1_); });
        connect(head2_, &QCheckBox::clicked, this, [this] { HeadClicked(head2_); });
    }
    top->addStretch(1);
    Body()->addLayout(top, 0, 0, 1, 2);
    form_.Build(this, Body(), 1);
    form_.Load(station_.settings.Get(), station_.params.Get());
    form_.Show();
    // The four-head edition keeps a copy of the correction in the settings.
    if (IsFourHead(edition()))
        station_.settings.Edit([&b](AppSettings& s) { s.IBLRError = b.bidirCorrection; });

    const bool online = Online();
    form_.SetEnabled(online);
    for (QWidget* w : {static_cast<QWidget*>(head1_), static_cast<QWidget*>(head2_),
                       static_cast<QWidget*>(combination_)})
        if (w) w->setEnabled(online);
}

void CDlgPMac::HeadClicked(QCheckBox* clicked) {
    QCheckBox* other = clicked == head1_ ? head2_ : head1_;
    if (!clicked->isChecked() && !other->isChecked()) other->setChecked(true);
    // What was typed since the page was last read gives way to the held values.
    form_.Show();
}

std::uint8_t CDlgPMac::HeadEnable() const {
    if (head1_->isChecked() && !head2_->isChecked()) return 1;
    if (!head1_->isChecked() && head2_->isChecked()) return 2;
    return 0;
}

bool CDlgPMac::Apply() {
    if (!form_.Read(Language(), this)) return false;
    form_.Store(station_.settings, station_.params);
    const bool four = IsFourHead(edition());
    const std::uint8_t heads = four ? static_cast<std::uint8_t>(combination_->currentIndex()) : HeadEnable();
    const MachineParaBlock b = station_.params.Edit([four, heads](MachineParams& p) {
        (four ? p.machine.headCombination : p.machine.headEnable) = heads;
        return p.machine;
    });
    station_.settings.Edit([four, &b](AppSettings& s) {
        if (four) {
            s.IBLRError = b.bidirCorrection;
        } else {
            s.IB1PosToR = b.head1PosRight;
            s.IB2PosToR = b.head2PosRight;
        }
    });
    SendOrTellOffline(0x25);
    return true;
}

}  // namespace pv::ui
