#include "app/dialog_commands.h"

#include "app/window_station.h"

namespace pv::app {

// The dialogs themselves come with their own work; until then the commands
// open nothing.
bool OpenParameterDialog(WindowStation&, QWidget*) { return false; }
void OpenOffsetDialog(WindowStation&, QWidget*) {}
void OpenNetworkDialog(WindowStation&, QWidget*) {}
void OpenInkStatistics(WindowStation&, QWidget*) {}
void OpenFirmwareUpdate(WindowStation&, QWidget*) {}

}  // namespace pv::app
