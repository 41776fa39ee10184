#include "app/dialog_commands.h"

#include <QStringList>

#include "app/window_station.h"
#include "link/firmware_menu.h"
#include "link/machine_address_change.h"
#include "ui/dialog_messages.h"
#include "ui/dlg_firm_update.h"
#include "ui/dlg_ivs.h"
#include "ui/dlg_offset.h"
#include "ui/dlg_para.h"
#include "ui/dlg_set_eth.h"

namespace pv::app {

bool OpenParameterDialog(WindowStation& ws, QWidget* parent) {
    ui::CDlgPara dialog(ws.station, parent);
    return dialog.exec() == QDialog::Accepted;
}

void OpenOffsetDialog(WindowStation& ws, QWidget* parent) {
    ui::CDlgOffset dialog(ws.station, parent);
    dialog.exec();
}

void OpenNetworkDialog(WindowStation& ws, QWidget* parent) {
    QStringList addresses;
    for (const std::string& a : LocalAddresses()) addresses << QString::fromStdString(a);
    ui::CDlgSetEth dialog(ws.station, addresses, parent);
    dialog.exec();
}

void OpenInkStatistics(WindowStation& ws, QWidget* parent) {
    // The four-head edition keeps no ink statistics.
    if (IsFourHead(ws.station.edition())) return;
    ui::CDlgIVS dialog(ws.station, parent);
    dialog.exec();
}

void OpenFirmwareUpdate(WindowStation& ws, QWidget* parent) {
    const AppSettings s = ws.station.settings.Get();
    const FirmwareMenuAnswer answer = AnswerFirmwareMenu(s.edition, ws.station.link.status.online.load(),
                                                         ws.station.params.Get(), s.ConnectViaEth != 0, s.Language);
    if (!answer.message.empty()) ui::ShowMessage(parent, answer.message.c_str());
    if (!answer.openDialog) return;
    ui::CDlgFirmUpdate dialog(ws.link.commu(), s.Language, parent);
    dialog.exec();
}

}  // namespace pv::app
