#include "ui/dlg_set_eth.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "link/machine_address_change.h"
#include "settings/localized.h"
#include "ui/ok_cancel_row.h"

namespace pv::ui {

CDlgSetEth::CDlgSetEth(Station& station, const QStringList& localAddresses, QWidget* parent)
    : QDialog(parent), station_(station) {
    setWindowTitle(tr("网络设置"));
    auto* layout = new QVBoxLayout(this);
    count_ = new QLabel(this);
    list_ = new QLineEdit(this);
    list_->setReadOnly(true);
    layout->addWidget(count_);
    layout->addWidget(list_);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("绘图仪IP"), this));
    const auto address =
        static_cast<std::uint32_t>(station.settings.Read([](const AppSettings& s) { return s.MachineIP; }));
    for (int i = 0; i < 4; ++i) {
        fields_[i] = new QSpinBox(this);
        fields_[i]->setRange(0, 255);
        fields_[i]->setButtonSymbols(QAbstractSpinBox::NoButtons);
        fields_[i]->setValue(static_cast<int>((address >> (8 * i)) & 0xFF));
        row->addWidget(fields_[i]);
        if (i < 3) row->addWidget(new QLabel(QStringLiteral("."), this));
    }
    row->addStretch(1);
    layout->addLayout(row);
    for (const char* hint :
         {QT_TR_NOOP("提示1：将绘图仪IP的前3段和电脑IP前3段的数字设置成一样才能正常联机"),
          QT_TR_NOOP("提示2：开机时，按住面板上的“启动/暂停”键，机器IP将临时恢复为默认值(192.168.1.176)，"
                     "如果需要保存，请在联机成功后，按下面的确定键")}) {
        auto* label = new QLabel(tr(hint), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    QString listed;
    for (int i = 0; i < localAddresses.size(); ++i)
        listed += QStringLiteral("(%1)%2 ").arg(i + 1).arg(localAddresses[i]);
    list_->setText(listed);
    const int language = station.Language();
    count_->setText(QString::fromUtf8(Localized(language, "本电脑共有%1个网卡:", "This PC has %1 net card:"))
                        .arg(localAddresses.size()));

    const OkCancelRow buttons = AddOkCancelRow(this, layout);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    connect(ok_, &QPushButton::clicked, this, &CDlgSetEth::Confirm);
}

std::int32_t CDlgSetEth::Address() const {
    std::uint32_t a = 0;
    for (int i = 0; i < 4; ++i) a |= static_cast<std::uint32_t>(fields_[i]->value() & 0xFF) << (8 * i);
    return static_cast<std::int32_t>(a);
}

void CDlgSetEth::Confirm() {
    // With five codes already waiting the change is lost, as the machine's
    // own panel would lose it: the next read of the address restores it.
    ApplyMachineAddress(station_.link, station_.settings, Address());
    accept();
}

}  // namespace pv::ui
