#pragma once
// A layout that lays its items out in rows, left to right, and starts a new
// row when the next item would pass the right edge.  The button bar uses it
// so that long captions (the longer interface languages) give the bar a
// second row instead of widening the window past the screen.
#include <QLayout>
#include <QList>

namespace pv::ui {

class FlowLayout : public QLayout {
public:
    // `spacing` is the gap in pixels between items and between rows.
    explicit FlowLayout(QWidget* parent, int spacing);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // The widest single item: the bar can shrink until one item fills a row.
    QSize minimumSize() const override;
    // Everything on one row, as wide as that needs.
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items (unless `testOnly`) in `rect` and returns the height
    // the rows take, margins included.
    int DoLayout(const QRect& rect, bool testOnly) const;

    QList<QLayoutItem*> items_;
};

}  // namespace pv::ui
