#include "ui/flow_layout.h"

#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace pv::ui {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent) {
    setSpacing(spacing);
    setContentsMargins(spacing, spacing, spacing, spacing);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const { return DoLayout(QRect(0, 0, width, 0), true); }

QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    int width = 0, height = 0, shown = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QSize s = item->sizeHint();
        width += s.width() + (shown++ ? spacing() : 0);
        height = std::max(height, s.height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    DoLayout(rect, false);
}

int FlowLayout::DoLayout(const QRect& rect, bool testOnly) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = spacing();
    // Rows are gathered first so that each can be centred vertically on its
    // tallest item: the check boxes sit level with the icon buttons.
    struct Row {
        std::vector<std::pair<QLayoutItem*, QSize>> items;
        int height = 0;
    };
    std::vector<Row> rows;
    int x = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QSize s = item->sizeHint().boundedTo(QSize(area.width(), QWIDGETSIZE_MAX));
        if (rows.empty() || x + s.width() > area.width()) {
            rows.emplace_back();
            x = 0;
        }
        rows.back().items.emplace_back(item, s);
        rows.back().height = std::max(rows.back().height, s.height());
        x += s.width() + gap;
    }
    int y = area.y();
    for (const Row& row : rows) {
        int left = area.x();
        for (const auto& [item, s] : row.items) {
            if (!testOnly) item->setGeometry(QRect(QPoint(left, y + (row.height - s.height()) / 2), s));
            left += s.width() + gap;
        }
        y += row.height + gap;
    }
    const QMargins m = contentsMargins();
    const int rowsHeight = rows.empty() ? 0 : y - gap - area.y();
    return rowsHeight + m.top() + m.bottom();
}

}  // namespace pv::ui
