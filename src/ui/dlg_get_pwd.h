#pragma once
// The password prompt: "请输入密码:", a field that hides what is typed (at
// most 64 characters) and an OK button.  The caller runs it and, when it
// ends with OK, compares Text() itself.
#include <QDialog>

class QLineEdit;

namespace pv::ui {

class CDlgGetPwd : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 64;   // characters

    explicit CDlgGetPwd(QWidget* parent = nullptr);

    QString Text() const;
    QLineEdit* Field() const { return field_; }

private:
    QLineEdit* field_;
};

}  // namespace pv::ui
