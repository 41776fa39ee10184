#pragma once
// The message boxes of the dialogs: a text with an OK button, modal over
// the dialog that raised it.
#include <QString>

class QWidget;

namespace pv::ui {

// `caption` empty: the application's name.
void ShowMessage(QWidget* parent, const QString& text, const QString& caption = {});
inline void ShowMessage(QWidget* parent, const char* utf8, const QString& caption = {}) {
    ShowMessage(parent, QString::fromUtf8(utf8), caption);
}

}  // namespace pv::ui
