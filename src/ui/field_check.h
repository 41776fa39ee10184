#pragma once
// Reading a number typed into a dialog field, with the range rules every
// dialog of the program shares: a text that is not a number is refused with
// "请输入一个整数。" (integer fields) or "请输入一个数字。"; a number outside
// its range with "请输入一个 %1 至 %2 之间的整数。" or "请输入一个 %1 至 %2
// 之间的数字。", the bounds written as C's "%d" and "%.15g" write them.  The
// caller shows the message (ShowFieldMessage or RejectField), puts the focus
// on the field and stores nothing.
//
//     FieldValue v = ReadInteger(edit->text(), 120, 4000);
//     if (!v.ok) return RejectField(this, edit, v.message);
//     settings.PaperLenMm = int(v.value);
#include <QString>

class QLineEdit;
class QWidget;

namespace pv::ui {

struct FieldValue {
    bool ok = false;
    double value = 0;       // the number read (integers are exact up to 2^53)
    QString message;        // why it was refused; empty when ok
};

// `language`: the messages as the program composes them, Chinese for
// `Language` 0 and English otherwise; kTranslated takes them from the
// interface translation instead (the prompts, which know no settings).
inline constexpr int kTranslated = -1;

// An optional sign and decimal digits, blanks around allowed, in the 32-bit
// range; then checked against [min, max].
FieldValue ReadInteger(const QString& text, qint64 min, qint64 max, int language = kTranslated);
// Any integer of 32 bits.
FieldValue ReadInteger(const QString& text, int language = kTranslated);
// A decimal number in C notation ("12", "-0.5", "1e3"), blanks around
// allowed, finite; then checked against [min, max].
FieldValue ReadNumber(const QString& text, double min, double max, int language = kTranslated);
// Any finite number.
FieldValue ReadNumber(const QString& text, int language = kTranslated);

// The initial text of a number field, as C's "%.15g" writes it.
QString NumberText(double value);

// The refusal as a warning box over `parent`.
void ShowFieldMessage(QWidget* parent, const QString& message);
// The refusal message, then the focus on `field` with its text selected.
void RejectField(QWidget* parent, QLineEdit* field, const QString& message);

}  // namespace pv::ui
