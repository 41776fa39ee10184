#include "jobs/headless_station.h"

#include <set>

#include "settings/settings_store.h"

namespace pv {

HeadlessStation::HeadlessStation(Station& station, std::uint16_t port, LogSink log)
    : station_(station),
      log_(std::move(log)),
      link_(station.settings, station.link),
      protocol_(link_.commu(), station.settings, station.params, station.link, *this),
      starter_(protocol_),
      threads_(protocol_) {
    link_.eth().SetPort(port);
    station_.printStarter = &starter_;
    station_.messages = [this](const std::string& m) { Log("message: " + m); };
}

HeadlessStation::~HeadlessStation() {
    Stop();
    station_.printStarter = nullptr;
    station_.messages = nullptr;
}

void HeadlessStation::Start() {
    {
        std::lock_guard g(ui_);
        station_.OpenHistory();
    }
    threads_.Start();
}

void HeadlessStation::Tick() {
    std::lock_guard g(ui_);
    station_.history.WriteProgress();
}

void HeadlessStation::Stop() {
    threads_.Stop();   // also tells a running print to stop
    // The print ends while the station can still hear of it.
    if (PrintDriver* driver = starter_.driver()) driver->Stop();
}

void HeadlessStation::Log(const std::string& line) {
    std::lock_guard g(logLock_);
    if (log_) log_(line);
}

const COnePage* HeadlessStation::PrintingJob() const {
    for (const JobCollection* c : {&station_.jobs.OpenedJobs, &station_.jobs.ManDirJobs, &station_.jobs.AutoDirJobs})
        for (const auto& j : *c)
            if (j->jobState == kJobPrinting) return j.get();
    return nullptr;
}

void HeadlessStation::Refresh() {
    std::lock_guard g(ui_);
    const bool online = station_.link.status.online.load();
    if (online != wasOnline_) {
        wasOnline_ = online;
        Log(online ? "machine online" : "machine offline");
    }
    const COnePage* before = PrintingJob();
    station_.jobs.StartNextJob();
    const COnePage* after = PrintingJob();
    if (after && after != before)
        Log("printing " + after->filePath + " (" + std::to_string(after->copies) + " left)");
}

void HeadlessStation::BandSent() {
    std::lock_guard g(ui_);
    station_.CollectInkDrops();
}

void HeadlessStation::PrintFinished(int result) {
    std::lock_guard g(ui_);
    station_.CollectInkDrops();
    const COnePage* job = PrintingJob();
    const std::string name = job ? job->filePath : std::string("a job no longer listed");
    station_.RecordCopyEnd(result, starter_.driver());
    if (result != kPrintDone && station_.link.stopRequested.load()) {
        // Stopped because the station stops, not failed: the job waits for
        // the next run and automatic start stays as it was.
        Log("print stopped: " + name);
        for (JobCollection* c : {&station_.jobs.OpenedJobs, &station_.jobs.ManDirJobs, &station_.jobs.AutoDirJobs})
            for (auto& j : *c)
                if (j->jobState == kJobPrinting) j->jobState = kJobWaiting;
        return;
    }
    if (result == kPrintDone) {
        Log("printed a copy of " + name);
    } else {
        const std::string why = starter_.driver() ? starter_.driver()->message() : std::string();
        Log("print failed: " + name + (why.empty() ? "" : ": " + why));
    }
    station_.jobs.FinishCopy(result);
}

void HeadlessStation::SaveSettings() {
    std::lock_guard g(ui_);
    std::string error;
    // Saving puts the default address in place of an address 0, in the
    // record too; an address the link stored meanwhile is left alone.
    AppSettings settings = station_.settings.Get();
    const bool saved = pv::SaveSettings(settings, &error);
    station_.settings.Edit([&settings](AppSettings& s) {
        if (s.MachineIP == 0) s.MachineIP = settings.MachineIP;
    });
    const std::string notice = station_.settingsSaveNotice.After(saved, error, settings.Language);
    if (!notice.empty()) Log("message: " + notice);
}

void HeadlessStation::Scan(const std::string& dir, JobCollection& jobs, const char* what) {
    std::set<const COnePage*> known;
    for (const auto& j : jobs) known.insert(j.get());
    const std::string filter = station_.settings.Read([](const AppSettings& s) { return s.PrtFileExtension; });
    if (!scanner_.ScanDirectory(dir, filter, jobs)) return;
    for (const auto& j : jobs)
        if (!known.count(j.get())) Log(std::string("found ") + what + " job " + j->filePath);
}

void HeadlessStation::ScanManualDirectory() {
    std::lock_guard g(ui_);
    Scan(station_.settings.Read([](const AppSettings& s) { return s.ManDir; }), station_.jobs.ManDirJobs, "manual");
}

void HeadlessStation::ScanAutoDirectory() {
    std::lock_guard g(ui_);
    Scan(station_.settings.Read([](const AppSettings& s) { return s.AutoDir; }), station_.jobs.AutoDirJobs,
         "automatic");
    for (const std::string& path : station_.PassOverPrintedAutoJobs())
        Log("removed already printed automatic job " + path);
}

void HeadlessStation::RemoveFinishedJobs() {
    std::lock_guard g(ui_);
    const std::int32_t before = station_.jobs.Count();
    if (station_.jobs.DeleteFinishedJobs())
        Log("removed " + std::to_string(before - station_.jobs.Count()) + " finished job(s)");
}

void HeadlessStation::AutoStartOff() {
    std::lock_guard g(ui_);
    station_.SwitchAutoStartOff();
    Log("automatic start off");
}

void HeadlessStation::ShowMessage(const std::string& text) { Log("message: " + text); }

void HeadlessStation::MachineBusy(int seconds) { Log("machine busy for " + std::to_string(seconds) + " s"); }

}  // namespace pv
