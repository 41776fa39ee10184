#include "ui/dlg_prop_text_add.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <string>

#include "import/gb2312_codec.h"
#include "ui/field_check.h"

namespace pv::ui {

CDlgPropTextAdd::CDlgPropTextAdd(CTextProp& prop, QWidget* parent)
    : QDialog(parent), prop_(prop), x_(new QLineEdit(this)), y_(new QLineEdit(this)), angle_(new QLineEdit(this)),
      size_(new QLineEdit(this)), text_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("文字属性"));
    x_->setObjectName(QStringLiteral("x"));
    y_->setObjectName(QStringLiteral("y"));
    angle_->setObjectName(QStringLiteral("angle"));
    size_->setObjectName(QStringLiteral("size"));
    text_->setObjectName(QStringLiteral("text"));

    auto* form = new QFormLayout;
    form->addRow(tr("坐标X(mm)："), x_);
    form->addRow(tr("坐标Y(mm)："), y_);
    form->addRow(tr("角度(-179~180度)："), angle_);
    form->addRow(tr("字体大小(0~9)："), size_);
    form->addRow(tr("文字内容："), text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgPropTextAdd::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgPropTextAdd::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    x_->setText(NumberText(prop_.x));
    y_->setText(NumberText(prop_.y));
    angle_->setText(QString::asprintf("%.2f", prop_.angle));
    size_->setText(QString::number(prop_.size));
    // Stored as the reader's GB2312 bytes; the operator edits Unicode, and
    // the line breaks of the stored text are the plotter's CR LF.
    QString text = QString::fromStdString(Gb2312ToUtf8(prop_.text));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(text);
}

void CDlgPropTextAdd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    text_->setFocus();
}

double CDlgPropTextAdd::AngleOf(const QString& text) {
    // C's rule without the locale: blanks, a sign, then the longest number;
    // no number (or no finite one) gives 0.
    const std::string s = text.trimmed().toStdString();
    std::size_t at = 0;
    bool negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) negative = s[at++] == '-';
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) return 0;
    double v = 0;
    const auto r = std::from_chars(s.data() + at, s.data() + s.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || !std::isfinite(v)) return 0;
    return negative ? -v : v;
}

void CDlgPropTextAdd::accept() {
    const FieldValue x = ReadNumber(x_->text());
    if (!x.ok) return RejectField(this, x_, x.message);
    const FieldValue y = ReadNumber(y_->text());
    if (!y.ok) return RejectField(this, y_, y.message);
    const FieldValue size = ReadInteger(size_->text(), CTextProp::kMinSize, CTextProp::kMaxSize);
    if (!size.ok) return RejectField(this, size_, size.message);

    QString text = text_->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    const Gb2312Text narrow = Utf8ToGb2312(text.toStdString());
    prop_.x = x.value;
    prop_.y = y.value;
    prop_.angle = AngleOf(angle_->text());
    prop_.size = static_cast<std::int32_t>(size.value);
    prop_.text = narrow.bytes;
    replaced_ = narrow.replaced;
    QDialog::accept();
}

}  // namespace pv::ui
