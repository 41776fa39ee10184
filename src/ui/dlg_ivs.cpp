#include "ui/dlg_ivs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/dialog_messages.h"
#include "ui/field_form.h"
#include "ui/ok_cancel_row.h"

namespace pv::ui {

double CDlgIVS::UsedMl(std::int64_t drops) { return static_cast<double>(drops) * 0.005 * 0.001 * 0.001; }

std::int64_t CDlgIVS::DropsOf(double ml) {
    const double drops = ml * 200 * 1000 * 1000;
    return static_cast<std::int64_t>(std::trunc(drops));
}

CDlgIVS::CDlgIVS(Station& station, QWidget* parent) : QDialog(parent), station_(station) {
    setWindowTitle(tr("墨量统计"));
    auto* layout = new QVBoxLayout(this);
    show_ = new QCheckBox(tr("在主界面显示墨量信息"), this);
    layout->addWidget(show_);
    auto* grid = new QGridLayout;
    const char* heads[2] = {QT_TR_NOOP("1# 已使用"), QT_TR_NOOP("2# 已使用")};
    const AppSettings settings = station.settings.Get();
    const std::int64_t drops[2] = {settings.DropCountIB1, settings.DropCountIB2};
    for (int h = 0; h < 2; ++h) {
        used_[h] = new QLineEdit(QString::number(UsedMl(drops[h]), 'g', 15), this);
        reset_[h] = new QPushButton(tr("清零(换新墨盒)"), this);
        grid->addWidget(new QLabel(tr(heads[h]), this), h, 0);
        grid->addWidget(used_[h], h, 1);
        grid->addWidget(new QLabel(QStringLiteral("mL"), this), h, 2);
        grid->addWidget(reset_[h], h, 3);
        connect(reset_[h], &QPushButton::clicked, this, [this, h] { used_[h]->setText(QStringLiteral("0")); });
    }
    capacity_ = new QLineEdit(QString::number(settings.InkSum_mL), this);
    grid->addWidget(new QLabel(tr("总容量"), this), 2, 0);
    grid->addWidget(capacity_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("mL"), this), 2, 2);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(tr("提示：HP45新墨盒墨量大约40mL(毫升)左右"), this));
    layout->addWidget(new QLabel(tr("一个喷孔喷一滴墨水理论为5pL(5*10^-9mL)"), this));
    show_->setChecked(settings.EnableInkVolumStatistic != 0);

    const OkCancelRow buttons = AddOkCancelRow(this, layout);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (Store()) accept();
    });
}

bool CDlgIVS::Store() {
    const int language = station_.Language();
    struct Check {
        QLineEdit* edit;
        FieldKind kind;
    };
    const Check checks[3] = {{used_[0], FieldKind::Number}, {used_[1], FieldKind::Number},
                             {capacity_, FieldKind::Integer}};
    for (const Check& c : checks) {
        if (auto message = CheckFieldText(c.edit->text(), c.kind, 0, kMaxMl, language)) {
            ShowMessage(this, *message);
            c.edit->setFocus();
            c.edit->selectAll();
            return false;
        }
    }
    // Drops counted while the dialog was open give way to the fields.
    const int show = show_->isChecked() ? 1 : 0;
    const std::int64_t drops1 = DropsOf(used_[0]->text().trimmed().toDouble());
    const std::int64_t drops2 = DropsOf(used_[1]->text().trimmed().toDouble());
    const int capacity = capacity_->text().trimmed().toInt();
    station_.settings.Edit([&](AppSettings& s) {
        s.EnableInkVolumStatistic = show;
        s.DropCountIB1 = drops1;
        s.DropCountIB2 = drops2;
        s.InkSum_mL = capacity;
    });
    return true;
}

}  // namespace pv::ui
