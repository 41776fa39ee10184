#pragma once
// Turning a job's page into the prepared copy the machine data comes from,
// then starting the print driver.  Runs on the user-interface thread; the
// job's own page is never changed.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "geometry/one_page.h"
#include "import/message_sink.h"
#include "output/output_station.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace pv {

// Starts the thread that streams the prepared job to the machine and keeps
// its handle.  The machine link supplies it; tests script it.
class PrintStarter {
public:
    virtual ~PrintStarter() = default;
    // A driver of an earlier job still runs (the station must not change).
    virtual bool PrintDriverRunning() const = 0;
    // Starts the driver for the station's prepared job; false when no
    // thread could be started.
    virtual bool StartPrintDriver(OutputStation& station) = 0;
};

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The wall clock and the short pauses of the preparation; tests replace it.
class PrepareClock {
public:
    virtual ~PrepareClock() = default;
    // False when the local time cannot be had.
    virtual bool Now(LocalTime& t) const;
    virtual void Pause(std::chrono::milliseconds ms) const;
};

// Runs the heavy steps of a preparation (shaping the page, checking the cut
// segments).  This one runs them at once on the calling thread; the window
// runs them on a worker thread and keeps answering meanwhile, the calling
// thread staying the owner of the result.
class PrepareRunner {
public:
    virtual ~PrepareRunner() = default;
    // Runs `work` to its end; false when the preparation is to be abandoned
    // (the window closes), in which case nothing is started.
    virtual bool Run(const std::function<void()>& work) const {
        work();
        return true;
    }
    // How far the preparation has come, 0 to 100; called from inside `work`.
    virtual void Progress(int /*percent*/) const {}
};

// Results of PreparePrint.
inline constexpr int kPrepareStarted = 0;
inline constexpr int kPrepareBusy = -1;            // an earlier job still prints; nothing touched
inline constexpr int kPrepareBandsImpossible = -2; // the bands cannot be built with these parameters
inline constexpr int kPrepareCutTooLarge = -3;     // a cut segment would exceed 65534 records
inline constexpr int kPrepareStartFailed = -4;     // the print driver could not be started
inline constexpr int kPrepareAbandoned = -5;       // the window closed meanwhile; nothing started
inline constexpr int kPrepareScaleOutOfRange = -6; // the length correction is outside the page's range
                                                   // (output/scale_correction_check.h says why)

struct PrepareResult {
    int result = kPrepareStarted;
    // Backup of the job's page (only when BackupPrintedFiles is on).
    bool backupWanted = false;
    bool backupWritten = false;
    std::string backupPath;
    std::string backupError;   // why it was not written; the job prints without it
    std::string refusal;       // the operator's message when the job was refused (kPrepareScaleOutOfRange)
};

// "%d-%d-%d-%dH%dM%dS_": year, month, day, hour, minute, second without
// leading zeros; the fields of a time that could not be had are 0 (date)
// and -1 (time).
std::string BackupStamp(const LocalTime* t);
// BackupDir + stamp + the job's file name.
std::string BackupPath(const std::string& backupDir, const LocalTime* t, const std::string& fileName);

// The shift along X that leaves room for the head-cleaning band, in plotter
// units: 1040 (26 mm) on the two-head machine; on the four-head machine 520
// per printing cartridge, 2040 for all four.
std::int32_t CleaningShift(const RasterConfig& raster);

// Prepares `job` into `station` and starts the print driver.  A backup that
// cannot be written is reported through `sink` (and the result) and the job
// prints without it.  Every failure leaves the driver unstarted.  The heavy
// steps go through `runner` (at once on this thread when null); `job` must
// not change until PreparePrint returns, and a second PreparePrint meanwhile
// is refused as busy.
PrepareResult PreparePrint(const COnePage& job, const AppSettings& settings, const MachineParams& params,
                           OutputStation& station, PrintStarter& starter, const PrepareClock& clock,
                           const MessageSink& sink = {}, const PrepareRunner* runner = nullptr);

// The page preparation alone (steps up to the band counts), without the
// backup and the driver: used by PreparePrint and by tools that inspect the
// machine data.  kPrepareStarted, kPrepareScaleOutOfRange,
// kPrepareBandsImpossible or kPrepareCutTooLarge.
int PreparePrintPage(const COnePage& job, const AppSettings& settings, const MachineParams& params,
                     OutputStation& station);

}  // namespace pv
