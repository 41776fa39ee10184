#pragma once
// One pane of the status bar, drawn by the program: its background colour
// filled edge to edge, its text in black from one pixel right of the left
// edge at the top.  No frame.  The pane asks for its wanted width; when the
// bar has less room it is given less and its text ends in "…".
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

    // The width the pane asks for (pixels).
    void SetWantedWidth(int width);
    int WantedWidth() const { return wanted_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor colour_;
    int wanted_ = 0;
};

}  // namespace pv::ui
