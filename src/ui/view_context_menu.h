#pragma once
// The drawing view's context menu: every entry carries its command id.
#include <QMenu>

#include "settings/edition.h"

namespace pv::ui {

class ViewContextMenu : public QMenu {
    Q_OBJECT
public:
    ViewContextMenu(Edition edition, QWidget* parent = nullptr);

    // The entry of a command, or null.
    QAction* ActionFor(int id) const;
    // The command of a chosen entry, or 0.
    static int CommandOf(const QAction* action);

private:
    QAction* Add(QMenu* menu, int id, const char* text);
};

}  // namespace pv::ui
