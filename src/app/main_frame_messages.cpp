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
    ws_.station.RecordCopyEnd(result, ws_.starter.driver());
    ws_.station.jobs.FinishCopy(result);
    ShowPrintingOrFirstJob();
}

// After the link finished a copy or removed finished jobs the list goes back
// to its first job, unless a copy is printing (the next copy of the same
// job started at once): the operator keeps seeing that job and its band.
void CMainFrame::ShowPrintingOrFirstJob() {
    JobList& jobs = ws_.station.jobs;
    int index = 0;
    for (int i = 0; i < jobs.Count(); ++i)
        if (jobs.JobAt(i)->jobState == kJobPrinting) {
            index = i;
            break;
        }
    jobs.SelectJob(index);
    list_->RefreshJobList();
    view_->FollowCurrentJob();
}

// A scan adds and removes rows before and after the current job: the same
// job stays current under its new index (the first job when its file left).
void CMainFrame::ScanKeepingCurrentJob(const std::string& dir, JobCollection& jobs,
                                       const std::function<void()>& afterScan) {
    Station& s = ws_.station;
    const COnePage* current = s.jobs.JobAt(s.jobs.CurrentJobIndex);
    const std::string extension = s.settings.Read([](const AppSettings& a) { return a.PrtFileExtension; });
    if (!ws_.scanner.ScanDirectory(dir, extension, jobs)) return;
    if (afterScan) afterScan();
    int index = 0;
    for (int i = 0; i < s.jobs.Count(); ++i)
        if (s.jobs.JobAt(i) == current) index = i;
    s.jobs.SelectJob(index);
    list_->RefreshJobList();
    view_->FollowCurrentJob();
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
    const bool saved = SaveSettings(copy, &error);
    const std::string notice = ws_.station.settingsSaveNotice.After(saved, error, copy.Language);
    if (!notice.empty()) OnMessage(notice);
    // Saving puts the default address in place of an address 0, in the
    // record too; an address the link stored meanwhile is left alone.
    ws_.station.settings.Edit([&copy](AppSettings& a) {
        if (a.MachineIP == 0) a.MachineIP = copy.MachineIP;
    });
}

void CMainFrame::OnScanManualDirectory() {
    Station& s = ws_.station;
    ScanKeepingCurrentJob(s.settings.Read([](const AppSettings& a) { return a.ManDir; }), s.jobs.ManDirJobs);
}

void CMainFrame::OnScanAutoDirectory() {
    Station& s = ws_.station;
    // A file printed before the last stop is not printed again.
    ScanKeepingCurrentJob(s.settings.Read([](const AppSettings& a) { return a.AutoDir; }), s.jobs.AutoDirJobs,
                          [&s] { s.PassOverPrintedAutoJobs(); });
}

void CMainFrame::OnRemoveFinishedJobs() {
    if (ws_.station.jobs.DeleteFinishedJobs()) ShowPrintingOrFirstJob();
}

void CMainFrame::OnRedrawList() {
    list_->RefreshJobList();
    view_->FollowCurrentJob();
}

void CMainFrame::OnAutoStartOff() {
    ws_.station.SwitchAutoStartOff();
    bar_->SetAutoStartChecked(false);
}

void CMainFrame::OnMessage(const std::string& text) {
    QMessageBox::information(this, QString(), QString::fromStdString(text));
}

}  // namespace pv::app
