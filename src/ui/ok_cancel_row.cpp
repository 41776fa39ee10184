#include "ui/ok_cancel_row.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

namespace pv::ui {

OkCancelRow AddOkCancelRow(QDialog* dialog, QBoxLayout* layout) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OkCancelRow row;
    row.ok = new QPushButton(QCoreApplication::translate("OkCancelRow", "确定"), dialog);
    row.cancel = new QPushButton(QCoreApplication::translate("OkCancelRow", "取消"), dialog);
    row.ok->setDefault(true);
    buttons->addWidget(row.ok);
    buttons->addWidget(row.cancel);
    layout->addLayout(buttons);
    QObject::connect(row.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return row;
}

}  // namespace pv::ui
