#include "jobs/station.h"

#include "import/job_reader.h"
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
    const PrepareResult r = PreparePrint(job, settings.Get(), params.Get(), output, *printStarter, clock, messages);
    return r.result == kPrepareStarted;
}

void Station::CollectInkDrops() {
    BandBuilder* bands = output.Bands();
    if (!bands) return;
    // Taken even when the statistic is off or the machine has four heads, so
    // nothing counted earlier piles up (the builder counts nothing then).
    const DropCounts d = bands->TakeDropCounts();
    if (IsFourHead(edition_) || (d.head1 == 0 && d.head2 == 0)) return;
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
    return jobs.AddOpenedJob(std::move(read.page));
}

}  // namespace pv
