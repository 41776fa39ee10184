#pragma once
// The text-label dialog ("文字属性"): insertion point in mm, angle in
// degrees, font size 0..9 and the text.  It opens with the last label's
// properties and stores them back on OK, so the next label starts from the
// previous text and size.
#include <QDialog>

#include "import/text_label.h"

class QLineEdit;
class QPlainTextEdit;

namespace pv::ui {

class CDlgPropTextAdd : public QDialog {
    Q_OBJECT
public:
    CDlgPropTextAdd(CTextProp& prop, QWidget* parent = nullptr);

    // Characters of the last stored text that GB2312 cannot hold; each was
    // stored as "?".
    int ReplacedCharacters() const { return replaced_; }

    QLineEdit* XField() const { return x_; }
    QLineEdit* YField() const { return y_; }
    QLineEdit* AngleField() const { return angle_; }
    QLineEdit* SizeField() const { return size_; }
    QPlainTextEdit* TextField() const { return text_; }

    // The angle field's rule: the leading number of the text, as C's
    // text-to-double reads it; 0 when there is none.
    static double AngleOf(const QString& text);

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CTextProp& prop_;
    QLineEdit* x_;
    QLineEdit* y_;
    QLineEdit* angle_;
    QLineEdit* size_;
    QPlainTextEdit* text_;
    int replaced_ = 0;
};

}  // namespace pv::ui
