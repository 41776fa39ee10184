#pragma once
// The main window's menu, built from one table per edition: each item
// carries its command id, and choosing it sends that id to the window's
// command routing.
#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <vector>

#include "settings/edition.h"

class QAction;
class QMenuBar;

namespace pv::app {

struct MenuItem {
    int id;                 // 0: a separator
    const char* text;       // translated in the "MainMenu" context
    const char* shortcut;   // shown and active, or empty
    bool checkable;
};

struct MenuDef {
    const char* title;
    std::vector<MenuItem> items;
};

class MainMenu : public QObject {
    Q_OBJECT
public:
    static const std::vector<MenuDef>& Table(Edition edition);

    MainMenu(Edition edition, QMenuBar* bar, QObject* parent = nullptr);

    QAction* Action(int id) const { return actions_.value(id); }
    void SetChecked(int id, bool checked);

signals:
    void triggered(int id);

private:
    QHash<int, QAction*> actions_;
};

}  // namespace pv::app
