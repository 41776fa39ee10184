#include "jobs/station.h"

#include <ctime>

#include "history/copy_measure.h"
#include "import/job_reader.h"
#include "link/print_driver.h"
#include "settings/localized.h"

namespace pv {

Station::Station(Edition edition) : params(MachineParams::Defaults(edition)), edition_(edition) {
    settings.Edit([edition](AppSettings& s) { s.edition = edition; });
    output.raster.edition = edition;
}

bool Station::AutoStartOn() const {
    return settings.Read([](const AppSettings& s) { return s.AutoStart != 0; });
}

void Station::SwitchAutoStartOff() {
    settings.Edit([](AppSettings& s) { s.AutoStart = 0; });
}

int Station::Language() const {
    return settings.Read([](const AppSettings& s) { return s.Language; });
}

std::string Station::FileNameOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool Station::MachineReady() const {
    return !link.stopRequested.load() && link.status.state.load() == kStateReady;
}

void Station::ShowMessage(const std::string& text) {
    if (messages) messages(text);
}

void Station::JobsChanged() {
    if (onJobsChanged) onJobsChanged();
}

int Station::ReadDrawing(COnePage& job) {
    ReadJobResult read = ReadJobFile(job.filePath, settings.Get(), messages, ReadPath::FirstShown);
    if (!read.page) return read.result;
    COnePage& page = *read.page;
    job.curves = std::move(page.curves);
    job.maxX = page.maxX;
    job.minX = page.minX;
    job.maxY = page.maxY;
    job.minY = page.minY;
    job.plotMaxX = page.plotMaxX;
    job.plotMaxY = page.plotMaxY;
    job.cutMaxX = page.cutMaxX;
    job.cutMaxY = page.cutMaxY;
    return read.result;
}

bool Station::StartPrint(const COnePage& job) {
    if (!printStarter) return false;
    // The preparation works from one copy of each record, taken now.
    const AppSettings s = settings.Get();
    const MachineParams p = params.Get();
    const PrepareResult r = PreparePrint(job, s, p, output, *printStarter, clock, messages, prepareRunner);
    // A refused job stays in the queue and is tried at every refresh: its
    // reason is said once, until the reason changes or a print starts.
    if (r.result == kPrepareStarted) {
        refusalTold_.clear();
    } else if (!r.refusal.empty() && r.refusal != refusalTold_) {
        refusalTold_ = r.refusal;
        ShowMessage(r.refusal);
    }
    if (r.result != kPrepareStarted) return false;
    // The driver only reads the prepared page while it runs.
    PrintHistory::Start start;
    start.origin = OriginOf(job);
    start.filePath = job.filePath;
    start.fileName = job.fileName.empty() ? FileNameOf(job.filePath) : job.fileName;
    start.fileSize = job.fileSize;
    start.fileTime = job.fileTime;
    start.jobKey = reinterpret_cast<std::uintptr_t>(&job);
    start.copiesLeft = job.copies;
    start.widthMm = (static_cast<double>(job.maxY) - job.minY) / 40.0;
    start.lengthMm = (static_cast<double>(job.maxX) - job.minX) / 40.0;
    start.measures = MeasurePreparedCopy(output, s, p);
    history.CopyStarted(start);
    return true;
}

JobOrigin Station::OriginOf(const COnePage& job) const {
    for (const auto& j : jobs.ManDirJobs)
        if (j.get() == &job) return JobOrigin::ManualFolder;
    for (const auto& j : jobs.AutoDirJobs)
        if (j.get() == &job) return JobOrigin::AutoFolder;
    return JobOrigin::ManualAdd;
}

void Station::OpenHistory() {
    const AppSettings s = settings.Get();
    if (s.ProgramDir.empty()) return;   // no program directory: no history (a bare test station)
    history.Open(s.ProgramDir, std::string(Info(edition_).programName), s.Language,
                 [this](const std::string& text) { ShowMessage(text); });
}

void Station::RecordCopyEnd(int result, const PrintDriver* driver) {
    // Stopped: the Stop button's code went out during the print, or the
    // station is closing; any other end short of the last band failed.
    const bool stopped = link.stopRequested.load() || (driver && driver->stopped());
    const CopyResult r = result == 1 ? CopyResult::Finished : stopped ? CopyResult::Stopped : CopyResult::Failed;
    history.CopyEnded(r, driver ? driver->message() : std::string(), link.bandInProgress.load());
}

std::vector<std::string> Station::PassOverPrintedAutoJobs() {
    std::vector<std::string> removed;
    if (!history.IsOpen()) return removed;
    const bool remove = settings.Read([](const AppSettings& a) { return a.AutoDelFinish != 0; });
    std::set<std::tuple<std::string, std::int64_t, std::int64_t>> listed;
    for (std::size_t i = 0; i < jobs.AutoDirJobs.size();) {
        COnePage& job = *jobs.AutoDirJobs[i];
        const auto version = std::make_tuple(job.filePath, job.fileSize, job.fileTime);
        listed.insert(version);
        const bool fresh = job.jobState == kJobWaiting && job.copies > 0 && !historyChecked_.count(version);
        historyChecked_.insert(version);
        if (!fresh || !history.AlreadyPrinted(job.filePath, job.fileSize, job.fileTime)) {
            ++i;
            continue;
        }
        if (remove && jobs.RemoveJobFile(job)) {
            removed.push_back(job.filePath);
            jobs.AutoDirJobs.erase(jobs.AutoDirJobs.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        job.copies = 0;   // finished: holds back the later jobs as it did before the stop
        ++i;
    }
    // Versions no longer listed are looked up again if they come back.
    std::erase_if(historyChecked_, [&listed](const auto& v) { return !listed.count(v); });
    if (!removed.empty()) JobsChanged();
    return removed;
}

void Station::CollectInkDrops() {
    // Taken at every band, so nothing counted earlier piles up; the builder
    // counts every print's drops, for the history, whether or not the
    // statistic is on.
    DropCounts d;
    if (BandBuilder* bands = output.Bands()) d = bands->TakeDropCounts();
    history.AddDrops({d.head1, d.head2, d.head3, d.head4});
    history.NoteBand(link.bandInProgress.load());
    const bool statistic = settings.Read([](const AppSettings& s) { return s.EnableInkVolumStatistic != 0; });
    if (IsFourHead(edition_) || !statistic || (d.head1 == 0 && d.head2 == 0)) return;
    settings.Edit([&d](AppSettings& s) {
        s.DropCountIB1 += d.head1;
        s.DropCountIB2 += d.head2;
    });
}

bool Station::AddFile(const std::string& path, const std::vector<std::string>& sizes) {
    ReadJobResult read = ReadJobFile(path, settings.Get(), messages, ReadPath::AddCommand, DxfJobOptions{sizes});
    if (read.result != 0) {
        ShowMessage(Localized(Language(), "文件打开失败!", "Open File Failed!"));
        return false;
    }
    if (!read.page) return false;
    read.page->filePath = path;
    read.page->fileName = FileNameOf(path);
    // A file added by hand is dated by the moment its job was created, not
    // by the file: the list shows when the operator queued it.
    read.page->fileTime = static_cast<std::int64_t>(std::time(nullptr));
    return jobs.AddOpenedJob(std::move(read.page));
}

}  // namespace pv
