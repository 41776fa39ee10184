#include "ui/field_check.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>

#include "settings/localized.h"

namespace pv::ui {
namespace {

// A message in the interface translation, or as the program composes it.
QString Message(int language, const char* chinese, const char* english) {
    if (language == kTranslated) return QCoreApplication::translate("FieldCheck", chinese);
    return QString::fromUtf8(Localized(language, chinese, english));
}

QString NotAnInteger(int language) { return Message(language, QT_TRANSLATE_NOOP("FieldCheck", "请输入一个整数。"), "Please enter an integer."); }
QString NotANumber(int language) { return Message(language, QT_TRANSLATE_NOOP("FieldCheck", "请输入一个数字。"), "Please enter a number."); }

FieldValue Refused(const QString& message) { return FieldValue{false, 0, message}; }

}  // namespace

FieldValue ReadInteger(const QString& text, int language) {
    static const QRegularExpression form(QStringLiteral("^[+-]?[0-9]+$"));
    const QString t = text.trimmed();
    if (!form.match(t).hasMatch()) return Refused(NotAnInteger(language));
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    // Too many digits for 64 bits or beyond 32: not an integer the field holds.
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return Refused(NotAnInteger(language));
    return FieldValue{true, double(v), {}};
}

FieldValue ReadInteger(const QString& text, qint64 min, qint64 max, int language) {
    FieldValue v = ReadInteger(text, language);
    if (!v.ok) return v;
    if (v.value < double(min) || v.value > double(max))
        return Refused(Message(language, QT_TRANSLATE_NOOP("FieldCheck", "请输入一个 %1 至 %2 之间的整数。"),
                               "Please enter an integer between %1 and %2.")
                           .arg(min)
                           .arg(max));
    return v;
}

FieldValue ReadNumber(const QString& text, int language) {
    // Digits with an optional fraction and exponent; no "inf", "nan" or hex.
    static const QRegularExpression form(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString t = text.trimmed();
    if (!form.match(t).hasMatch()) return Refused(NotANumber(language));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return Refused(NotANumber(language));
    return FieldValue{true, v, {}};
}

FieldValue ReadNumber(const QString& text, double min, double max, int language) {
    FieldValue v = ReadNumber(text, language);
    if (!v.ok) return v;
    if (v.value < min || v.value > max)
        return Refused(Message(language, QT_TRANSLATE_NOOP("FieldCheck", "请输入一个 %1 至 %2 之间的数字。"),
                               "Please enter a number between %1 and %2.")
                           .arg(NumberText(min), NumberText(max)));
    return v;
}

QString NumberText(double value) { return QString::number(value, 'g', 15); }

void ShowFieldMessage(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QCoreApplication::applicationName(), message);
}

void RejectField(QWidget* parent, QLineEdit* field, const QString& message) {
    ShowFieldMessage(parent, message);
    if (field) {
        field->setFocus();
        field->selectAll();
    }
}

}  // namespace pv::ui
