// The main window's answers to the link threads' messages and its status
// timer.  Each runs on the user-interface thread while the sending thread
// waits, so none of them waits for a link thread.
#include <QMessageBox>

#include "app/main_frame.h"
#include "app/window_station.h"
#include "settings/settings_store.h"
#include "ui/color_status_bar.h"
#include "ui/my_dlg_bar.h"
#include "ui/my_list_view.h"
#include "ui/pelvane_view.h"

namespace pv::app {

void CMainFrame::OnTimer() {
    Station& s = ws_.station;
    if (inTimer_ || s.link.stopRequested.load()) return;
    inTimer_ = true;
    if (status_->ShowMachineState()) OnBandSent();
    status_->ShowCarriagePosition();
    status_->ShowMachineIP();
    status_->ShowInk();
    s.history.WriteProgress();
    inTimer_ = false;
}

void CMainFrame::OnPrintFinished(int result) {
    // The drops of the last bands go into the ink counters; FinishCopy
    // releases the prepared page and the cut records, counts the copy and may
    // start the next one.
    ws_.station.CollectInkDrops();
    const PrintDriver* driver = ws_.starter.driver();
    const bool stopped = ws_.station.link.stopRequested.load() || (driver && driver->stopped());
    ws_.station.RecordCopyEnd(result, stopped, driver ? driver->message() : std::string());
    ws_.station.jobs.FinishCopy(result);
    list_->RefreshJobList();
    view_->update();
}

void CMainFrame::OnBandSent() {
    ws_.station.CollectInkDrops();
    if (ws_.station.link.status.state.load() == kStateWorking) view_->ShowPrintingBand();
}

void CMainFrame::OnRefresh() {
    if (inRefresh_) return;
    inRefresh_ = true;
    ws_.station.jobs.StartNextJob();
    inRefresh_ = false;
}

void CMainFrame::OnSaveSettings() {
    std::string error;
    AppSettings copy = ws_.station.settings.Get();
    if (!SaveSettings(copy, &error))
        OnMessage((copy.Language == 0 ? "设置文件未保存: " : "Settings not saved: ") + error);
    // Saving puts the default address in place of an address 0, in the
    // record too; an address the link stored meanwhile is left alone.
    ws_.station.settings.Edit([&copy](AppSettings& a) {
        if (a.MachineIP == 0) a.MachineIP = copy.MachineIP;
    });
}

void CMainFrame::OnScanManualDirectory() {
    Station& s = ws_.station;
    const AppSettings st = s.settings.Get();
    if (ws_.scanner.ScanDirectory(st.ManDir, st.PrtFileExtension, s.jobs.ManDirJobs))
        list_->RefreshJobList();
}

void CMainFrame::OnScanAutoDirectory() {
    Station& s = ws_.station;
    const AppSettings st = s.settings.Get();
    const bool changed = ws_.scanner.ScanDirectory(st.AutoDir, st.PrtFileExtension, s.jobs.AutoDirJobs);
    // A file printed before the last stop is not printed again.
    s.PassOverPrintedAutoJobs();
    if (changed) list_->RefreshJobList();
}

void CMainFrame::OnRemoveFinishedJobs() {
    if (ws_.station.jobs.DeleteFinishedJobs()) {
        list_->RefreshJobList();
        view_->update();
    }
}

void CMainFrame::OnRedrawList() {
    list_->RefreshJobList();
    view_->update();
}

void CMainFrame::OnAutoStartOff() {
    ws_.station.SwitchAutoStartOff();
    bar_->SetAutoStartChecked(false);
}

void CMainFrame::OnMessage(const std::string& text) {
    QMessageBox::information(this, QString(), QString::fromStdString(text));
}

}  // namespace pv::app
