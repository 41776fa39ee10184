#include "ui/dlg_get_pwd.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pv::ui {

CDlgGetPwd::CDlgGetPwd(QWidget* parent) : QDialog(parent), field_(new QLineEdit(this)) {
    setWindowTitle(tr("输入"));
    auto* label = new QLabel(tr("请输入密码:"), this);
    label->setBuddy(field_);
    field_->setObjectName(QStringLiteral("password"));
    field_->setEchoMode(QLineEdit::Password);
    field_->setMaxLength(kMaxLength);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(field_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    setMinimumWidth(260);
    field_->setFocus();
}

QString CDlgGetPwd::Text() const { return field_->text(); }

}  // namespace pv::ui
