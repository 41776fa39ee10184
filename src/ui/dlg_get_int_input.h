#pragma once
// The number prompt: a caller's prompt line, one number field and an OK
// button.  The caller sets the prompt and the first number, runs the dialog
// and, when it ends with OK, takes the number.  A text that is not a number
// is refused with the range message and the dialog stays open.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace pv::ui {

class CDlgGetIntInput : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxPrompt = 256;   // characters

    explicit CDlgGetIntInput(QWidget* parent = nullptr);

    // Longer prompts are cut to kMaxPrompt characters.
    void SetPrompt(const QString& prompt);
    void SetValue(double value);
    // The number entered when the dialog ended with OK; until then the one set.
    double Value() const { return value_; }

    QLineEdit* Field() const { return field_; }

public slots:
    void accept() override;

private:
    QLabel* prompt_;
    QLineEdit* field_;
    double value_ = 0;
};

}  // namespace pv::ui
