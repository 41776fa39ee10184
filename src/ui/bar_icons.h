#pragma once
// The button bar's icons, from the program's resources (SVG, drawn for the
// project), and the pushed look of a tool button built from its icon.
#include <QIcon>

namespace pv::ui {

// The icon named `name` (":/icons/<name>.svg"); a null icon when unknown.
QIcon BarIcon(const char* name);
// The same icon on a highlighted tile: a pushed tool button, the current tool.
QIcon PushedBarIcon(const char* name);

}  // namespace pv::ui
