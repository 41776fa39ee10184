#include "app/dialog_commands.h"

#include <QString>
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

QStringList LocalAddressList() {
    QStringList addresses;
    for (const std::string& a : LocalAddresses()) addresses << QString::fromStdString(a);
    return addresses;
}

QString LocalAddressText() {
    QString text;
    const QStringList addresses = LocalAddressList();
    for (int i = 0; i < addresses.size(); ++i) text += QStringLiteral("(%1)%2 ").arg(i + 1).arg(addresses[i]);
    return text;
}

void OpenNetworkDialog(WindowStation& ws, QWidget* parent) {
    ui::CDlgSetEth dialog(ws.station, LocalAddressList(), parent);
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
