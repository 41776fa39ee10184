#include "output/print_preparation.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <thread>

#include "output/band_layout.h"
#include "output/band_result.h"
#include "output/cut_bridges.h"
#include "output/cut_record.h"
#include "output/cut_shaping.h"
#include "output/plt_writer.h"
#include "output/saturating_trunc.h"
#include "output/scale_correction_check.h"
#include "output/send_plan.h"
#include "settings/localized.h"

namespace pv {

namespace {

constexpr double kCornerDegrees = 25.0;
constexpr std::int32_t kRaise = 400;            // 10 mm toward +Y
constexpr std::int32_t kTwoHeadDot = 32;        // 0.8 mm
constexpr std::int32_t kFourHeadDot = 20;       // 0.5 mm

// Scale factor for a measured length of a 1000 mm line (0.1 mm); a length
// of 0 or less (never measured) leaves the drawing as it is.
double RatioFactor(std::int64_t measured) { return measured > 0 ? 10000.0 / static_cast<double>(measured) : 1.0; }

void ShapeKnifeLines(COnePage& page, const AppSettings& s, const MachineParams& p) {
    const Edition e = s.edition;
    const double tip = 4.0 * p.machine.knifeTipComp;   // 0.1 mm -> plotter units
    if (s.OptSS != 0) SplitClosedAtMidHeight(page);
    BreakAtCorners(page, kCornerDegrees);
    ExtendCutEnds(page, tip, e);
    AddLeadIns(page, tip, e);
    if (s.LineToDot != 0) {
        MakeDotted(page, TruncToInt32(s.DotDist * 4.0), IsFourHead(e) ? kFourHeadDot : kTwoHeadDot);
    } else {
        MakeBridges(page, 40 * std::int32_t{p.machine.fullCutLengthMm}, 4 * std::int32_t{p.machine.bridgeLen});
    }
}

// A cut segment of more than 65534 records would fail the job half-way;
// find it before anything is sent.
bool CutSegmentsFit(OutputStation& station, const PrepareRunner& runner) {
    if (station.plotOnly) return true;
    StreamOrder order(station.BandCount, station.bandsPerCutSegment);
    const std::int32_t count = order.CutSegmentCount();
    for (std::int32_t i = 0; i < count; ++i) {
        if (!CutStepMaySend(i, station.BandCount, station.plotOnly)) continue;
        if (station.BuildCutSegment(i) > kMaxCutRecords) return false;
        if (i % 64 == 0) runner.Progress(50 + static_cast<int>(50LL * i / count));
    }
    return true;
}

std::string FileNamePart(const std::string& name) {
    const auto cut = name.find_last_of("/\\");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

// Writes the backup of the job's own page (a long marker's HPGL takes a
// while: it may run off the calling thread).
void WriteBackup(const COnePage& job, const AppSettings& settings, const PrepareClock& clock, PrepareResult& r) {
    r.backupWanted = true;
    LocalTime now;
    const bool haveTime = clock.Now(now);
    r.backupPath = BackupPath(settings.BackupDir, haveTime ? &now : nullptr, job.fileName);
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::path(r.backupPath).parent_path();
    if (!dir.empty() && !std::filesystem::is_directory(dir, ec)) std::filesystem::create_directories(dir, ec);
    std::string error;
    r.backupWritten = WritePlt(job, r.backupPath, &error);
    if (!r.backupWritten) r.backupError = error.empty() ? "not written" : error;
}

void ReportBackupFailure(const AppSettings& settings, const PrepareResult& r, const MessageSink& sink) {
    if (!r.backupWanted || r.backupWritten || !sink) return;
    sink(std::string(Localized(settings.Language, "备份文件失败: ", "Failed to back up the printed file: ")) +
         r.backupPath + " (" + r.backupError + ")");
}

}  // namespace

bool PrepareClock::Now(LocalTime& t) const {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &tm) == nullptr) return false;
    t = {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    return true;
}

void PrepareClock::Pause(std::chrono::milliseconds ms) const { std::this_thread::sleep_for(ms); }

std::string BackupStamp(const LocalTime* t) {
    const LocalTime unknown{0, 0, 0, -1, -1, -1};
    const LocalTime& v = t ? *t : unknown;
    char buf[96];
    std::snprintf(buf, sizeof buf, "%d-%d-%d-%dH%dM%dS_", v.year, v.month, v.day, v.hour, v.minute, v.second);
    return buf;
}

std::string BackupPath(const std::string& backupDir, const LocalTime* t, const std::string& fileName) {
    std::string path = backupDir;
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    return path + BackupStamp(t) + FileNamePart(fileName);
}

std::int32_t CleaningShift(const RasterConfig& raster) {
    if (!IsFourHead(raster.edition)) return 1040;
    switch (HeadGeometry(raster).FiringCount()) {
    case 1: return 520;
    case 3: return 1560;
    case 4: return 2040;
    default: return 1040;
    }
}

namespace {

// What the shaping works out besides the page; handed to the station on the
// calling thread (the window reads the counts while it waits).
struct ShapedCounts {
    int result = kPrepareStarted;
    std::int32_t bandStep = 298;
    std::int32_t bandCount = 0, plotBandCount = 0;
    std::int32_t columnCount = 0;
    bool columnsSet = false;
    bool allCounted = false;   // bandCount holds the count of the whole drawing
};

// Copies the job into `page`, corrects, shifts and shapes it and counts the
// bands.  Touches nothing but `page`.
ShapedCounts ShapePrintPage(const COnePage& job, const AppSettings& s, const MachineParams& p,
                            const RasterConfig& raster, COnePage& page, const PrepareRunner& runner) {
    page.DeleteAllCurves();
    page.CopyFrom(job);
    runner.Progress(5);
    page.TidyFullCut();
    if (s.LineToDot != 0) page.AllToCut();
    if (s.RatioSaveTo == 1) page.ScaleAll(RatioFactor(s.Measure10000X), RatioFactor(s.Measure10000Y));
    else page.ScaleAll(RatioFactor(p.machine.scaleMeasureX), RatioFactor(p.machine.scaleMeasureY));
    if (s.PlotOnly != 0) page.AllToPlot();
    if (s.CleanAtStart != 0) page.ShiftForCleaning(CleaningShift(raster));
    page.RaiseBy(kRaise);
    runner.Progress(15);
    ShapeKnifeLines(page, s, p);
    runner.Progress(40);
    page.CalcBounds();
    page.CalcPlotExtents();
    page.CalcCutExtents();
    page.ApplyStartPos();

    ShapedCounts c;
    const BandLayout layout(raster);
    c.bandStep = layout.Heads().BandStep();
    const BandCountResult all = layout.CountBands(page.maxX, page.maxY);
    if (all.result != 0) {
        c.result = kPrepareBandsImpossible;
        return c;
    }
    c.bandCount = all.bands;
    c.allCounted = true;
    if (all.columnsSet) {
        c.columnCount = all.columnCount;
        c.columnsSet = true;
    }
    if (s.PlotCutLine == 1) {
        c.plotBandCount = c.bandCount;
    } else {
        const BandCountResult plot = layout.CountBands(page.plotMaxX, page.plotMaxY);
        if (plot.result != 0) {
            c.result = kPrepareBandsImpossible;
            return c;
        }
        c.plotBandCount = plot.bands;
        if (plot.columnsSet) {
            c.columnCount = plot.columnCount;
            c.columnsSet = true;
        }
    }
    return c;
}

const PrepareRunner kAtOnce{};

// The preparation with its heavy steps (shaping, the cut-segment check)
// handed to `runner`; the counts and the band buffers are set on the
// calling thread.
int PrepareStation(const COnePage& job, const AppSettings& s, const MachineParams& p, OutputStation& station,
                   const PrepareRunner& runner) {
    if (CheckScaleCorrection(s, p)) return kPrepareScaleOutOfRange;
    const RasterConfig raster = RasterConfig::From(s, p);
    ShapedCounts shaped;
    if (!runner.Run([&] { shaped = ShapePrintPage(job, s, p, raster, station.PrintPage, runner); }))
        return kPrepareAbandoned;

    station.raster = raster;
    station.plotOnly = s.PlotOnly != 0;
    station.bandStep = shaped.bandStep;
    station.bandsPerCutSegment = p.adv.bandsPerCutSegment;
    station.SetCutFrame(CutFrame::From(p, s.edition, station.bandStep), p.machine.cutMode);
    if (shaped.allCounted) station.BandCount = shaped.bandCount;
    if (shaped.columnsSet) station.ColumnCount = shaped.columnCount;
    if (shaped.result != kPrepareStarted) return shaped.result;
    station.PlotBandCount = shaped.plotBandCount;
    const bool inked = station.PlotBandCount > 0;
    if (inked) station.MakeBandBuffers();

    // The band index and the cut-segment check: the window reads only the
    // counts above and the band buffers' drop counters meanwhile.
    int result = kPrepareStarted;
    const bool ran = runner.Run([&] {
        if (inked && station.BeginBands() != kBandOk) result = kPrepareBandsImpossible;
        else if (!CutSegmentsFit(station, runner)) result = kPrepareCutTooLarge;
    });
    return ran ? result : kPrepareAbandoned;
}

}  // namespace

int PreparePrintPage(const COnePage& job, const AppSettings& s, const MachineParams& p, OutputStation& station) {
    return PrepareStation(job, s, p, station, kAtOnce);
}

PrepareResult PreparePrint(const COnePage& job, const AppSettings& settings, const MachineParams& params,
                           OutputStation& station, PrintStarter& starter, const PrepareClock& clock,
                           const MessageSink& sink, const PrepareRunner* runner) {
    PrepareResult r;
    if (starter.PrintDriverRunning() || station.preparing) {
        r.result = kPrepareBusy;
        return r;
    }
    const PrepareRunner& run = runner ? *runner : kAtOnce;
    station.preparing = true;
    r.result = PrepareStation(job, settings, params, station, run);
    if (r.result == kPrepareStarted) {
        clock.Pause(std::chrono::milliseconds(4));
        if (settings.BackupPrintedFiles != 0 && !run.Run([&] { WriteBackup(job, settings, clock, r); }))
            r.result = kPrepareAbandoned;
    }
    station.preparing = false;
    if (r.result == kPrepareScaleOutOfRange) r.refusal = CheckScaleCorrection(settings, params).value_or("");
    if (r.result != kPrepareStarted) return r;
    ReportBackupFailure(settings, r, sink);
    clock.Pause(std::chrono::milliseconds(4));
    if (!starter.StartPrintDriver(station)) r.result = kPrepareStartFailed;
    return r;
}

}  // namespace pv
