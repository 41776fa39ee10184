#include "ui/dlg_garment_sizes.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pv::ui {

CDlgGarmentSizes::CDlgGarmentSizes(const QString& fileName, const QStringList& sizes, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(tr("选择尺码"));
    auto* label = new QLabel(tr("文件中有多个尺码, 请勾选要加入任务的尺码:") + QStringLiteral("\n") + fileName, this);
    label->setObjectName(QStringLiteral("prompt"));
    label->setWordWrap(true);

    list_->setObjectName(QStringLiteral("sizes"));
    for (const QString& size : sizes) {
        auto* item = new QListWidgetItem(size, list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    connect(list_, &QListWidget::itemChanged, this, [this] { UpdateOk(); });

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    setMinimumWidth(320);
    UpdateOk();
}

QStringList CDlgGarmentSizes::Chosen() const {
    QStringList chosen;
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->checkState() == Qt::Checked) chosen << list_->item(i)->text();
    }
    return chosen;
}

void CDlgGarmentSizes::UpdateOk() { ok_->setEnabled(!Chosen().isEmpty()); }

}  // namespace pv::ui
