#include "ui/dlg_set_plt_unit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/app_settings.h"

namespace pv::ui {

QStringList CDlgSetPltUnit::Entries(int language) {
    if (language == 0)
        return {QStringLiteral("1-0.0250mm(常规)"), QStringLiteral("2-0.0254mm(专用)"), QStringLiteral("3-自动识别"),
                QStringLiteral("4-0.01mm(专用)")};
    return {QStringLiteral("1-0.0250mm"), QStringLiteral("2-0.0254mm"),
            language == 3 ? QStringLiteral("3-Авто Визнач.") : QStringLiteral("3-Auto"), QStringLiteral("4-0.01mm")};
}

CDlgSetPltUnit::CDlgSetPltUnit(SharedRecord<AppSettings>& settings, QWidget* parent)
    : CDlgSetPltUnit(settings.Get(),
                     [&settings](int unit, int noHint) {
                         settings.Edit([&](AppSettings& s) {
                             s.PltFileUnit = unit;
                             s.UnitNoHintNextTime = noHint;
                         });
                     },
                     parent) {}

CDlgSetPltUnit::CDlgSetPltUnit(AppSettings& settings, QWidget* parent)
    : CDlgSetPltUnit(settings,
                     [&settings](int unit, int noHint) {
                         settings.PltFileUnit = unit;
                         settings.UnitNoHintNextTime = noHint;
                     },
                     parent) {}

CDlgSetPltUnit::CDlgSetPltUnit(const AppSettings& settings, Store store, QWidget* parent)
    : QDialog(parent), store_(std::move(store)), units_(new QComboBox(this)), noHint_(new QCheckBox(this)) {
    setWindowTitle(tr("PLT文件单位"));

    auto* label = new QLabel(tr("绘图单位 "), this);
    label->setBuddy(units_);
    units_->setObjectName(QStringLiteral("unit"));
    units_->addItems(Entries(settings.Language));
    // A setting outside the four entries (a hand-edited file) shows the first.
    const int unit = settings.PltFileUnit;
    units_->setCurrentIndex(unit >= 0 && unit < units_->count() ? unit : 0);

    noHint_->setObjectName(QStringLiteral("noHint"));
    noHint_->setText(tr("下次打开plt时不弹出此对话框"));
    noHint_->setChecked(settings.UnitNoHintNextTime != 0);

    auto* hint = new QLabel(
        tr("提示:\n    对于大多数CAD软件输出的plt, 1个数据单位代表0.0250mm, 这里应该选择“0.0250mm(常规)” "
           "但某些软件(如格博)输出的plt, 1个数据单位代表1mil(即0.0254mm), 这里应该选择“0.0254mm” "
           "如果选择了不合适的绘图单位, 会导致输出的图形尺寸有偏差."),
        this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSetPltUnit::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(units_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(noHint_);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    // About the template's 232 × 119 dialog units.
    setMinimumWidth(420);
}

void CDlgSetPltUnit::accept() {
    store_(units_->currentIndex(), noHint_->isChecked() ? 1 : 0);
    QDialog::accept();
}

}  // namespace pv::ui
