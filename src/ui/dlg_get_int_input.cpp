#include "ui/dlg_get_int_input.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/field_check.h"

namespace pv::ui {

CDlgGetIntInput::CDlgGetIntInput(QWidget* parent)
    : QDialog(parent), prompt_(new QLabel(this)), field_(new QLineEdit(this)) {
    setWindowTitle(tr("输入"));
    prompt_->setObjectName(QStringLiteral("prompt"));
    prompt_->setWordWrap(true);
    field_->setObjectName(QStringLiteral("value"));
    prompt_->setBuddy(field_);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDlgGetIntInput::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addLayout(buttons);
    setMinimumWidth(280);
    SetValue(0);
}

void CDlgGetIntInput::SetPrompt(const QString& prompt) { prompt_->setText(prompt.left(kMaxPrompt)); }

void CDlgGetIntInput::SetValue(double value) {
    value_ = value;
    field_->setText(NumberText(value));
    field_->selectAll();
}

void CDlgGetIntInput::accept() {
    const FieldValue v = ReadNumber(field_->text());
    if (!v.ok) {
        RejectField(this, field_, v.message);
        return;
    }
    value_ = v.value;
    QDialog::accept();
}

}  // namespace pv::ui
