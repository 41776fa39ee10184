#pragma once
// The message boxes of the dialogs: a text with an OK button, modal over
// the dialog that raised it.
#include <QString>

class QMessageBox;
class QWidget;

namespace pv::ui {

// The width a message box needs for its title bar to show `caption` whole
// (pixels): the caption's width and the title bar's buttons beside it.
int CaptionRoom(const QString& caption);
// Widens a box built by hand to CaptionRoom of its caption.
void KeepCaptionWhole(QMessageBox& box);

// `caption` empty: the application's name.
void ShowMessage(QWidget* parent, const QString& text, const QString& caption = {});
inline void ShowMessage(QWidget* parent, const char* utf8, const QString& caption = {}) {
    ShowMessage(parent, QString::fromUtf8(utf8), caption);
}

}  // namespace pv::ui
