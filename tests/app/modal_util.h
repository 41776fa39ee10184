#pragma once
// Answers the modal dialogs and message boxes the code under test opens while
// it lives, so a test can drive a command that asks the operator something.
#include <QObject>
#include <QString>
#include <QTimer>

namespace pv::test {

class ModalAnswerer : public QObject {
public:
    // `accept`: OK (or the default button); otherwise Cancel (or Escape).
    explicit ModalAnswerer(bool accept);
    // The text of the last message box answered.
    QString text() const { return text_; }
    int answered() const { return answered_; }

private:
    void Poll();

    bool accept_;
    QString text_;
    int answered_ = 0;
    QTimer poll_;
};

}  // namespace pv::test
