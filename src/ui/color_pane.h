#pragma once
// One pane of the status bar, drawn by the program: its background colour
// filled edge to edge, its text in black from one pixel right of the left
// edge at the top.  No frame.
#include <QColor>
#include <QString>
#include <QWidget>

namespace pv::ui {

class CColorPane : public QWidget {
    Q_OBJECT
public:
    explicit CColorPane(QWidget* parent = nullptr);

    void SetColorText(const QString& text, const QColor& colour);
    const QString& Text() const { return text_; }
    const QColor& Colour() const { return colour_; }
    // The text as drawn: one line (a line break ends what is drawn).
    QString ShownText() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor colour_;
};

}  // namespace pv::ui
