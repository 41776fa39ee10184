#pragma once
// The dialogs the button bar and the menu open on the station: parameters,
// offset, network, ink statistics and firmware update.  Each returns when its
// dialog has closed.
#include <QStringList>

class QWidget;

namespace pv::app {

class WindowStation;

// 313: the parameter dialog; true when it closed with OK.
bool OpenParameterDialog(WindowStation& ws, QWidget* parent);
// 314: the left-offset dialog.
void OpenOffsetDialog(WindowStation& ws, QWidget* parent);
// This computer's IPv4 addresses in the order its host name resolves to
// them, as the network dialog lists them; and the same as the status bar's
// text, "(1)192.168.1.20 (2)10.0.0.5 ".
QStringList LocalAddressList();
QString LocalAddressText();
// 342: the network dialog.
void OpenNetworkDialog(WindowStation& ws, QWidget* parent);
// 757, after the password: the ink statistics dialog.
void OpenInkStatistics(WindowStation& ws, QWidget* parent);
// 719 (four-head 1022): firmware update, or in the four-head edition the
// menu's answer.
void OpenFirmwareUpdate(WindowStation& ws, QWidget* parent);

}  // namespace pv::app
