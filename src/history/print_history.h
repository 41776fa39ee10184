#pragma once
// The station's side of the print history: a row is written when a copy
// starts (`running`) and completed when its result arrives; the drops and
// the bands sent are gathered meanwhile and written now and then, so a
// copy cut short by a crash keeps its progress.  Every call comes from the
// station's own thread (the window's thread; in `serve`, whichever thread
// holds the station's lock, and its serve loop for the progress), never
// while a band is on its way to the machine.
//
// The history never stops a print: a damaged file is set aside and a new
// one started, a file that cannot be written is told once and printing
// goes on without it.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "history/copy_measure.h"
#include "history/history_record.h"
#include "history/history_store.h"

namespace pv {

class PrintHistory {
public:
    using Tell = std::function<void(const std::string&)>;
    // How often a running copy's progress (bands, drops) is written.
    static constexpr std::int64_t kProgressEveryMs = 5000;

    PrintHistory() = default;
    // A copy whose result never came (the station closed first) is stopped.
    ~PrintHistory();
    PrintHistory(const PrintHistory&) = delete;
    PrintHistory& operator=(const PrintHistory&) = delete;

    // Opens History.db in `programDir` (ends in the separator).  Rows a
    // station that is gone left running become interrupted.  `tell` gets
    // the operator's messages (each at most once), in `language`.
    void Open(const std::string& programDir, const std::string& edition, int language, Tell tell);
    bool IsOpen() const { return store_.IsOpen(); }
    void Close();

    struct Start {
        JobOrigin origin = JobOrigin::ManualAdd;
        std::string filePath;
        std::string fileName;
        std::int64_t fileSize = 0;
        std::int64_t fileTime = 0;
        // Tells the copies of one job apart from another's: the job's
        // address, or any number the caller keeps for the job.
        std::uintptr_t jobKey = 0;
        int copiesLeft = 1;            // including this one
        double widthMm = 0;
        double lengthMm = 0;
        CopyMeasures measures;
    };
    void CopyStarted(const Start& s);
    bool CopyOpen() const { return open_.has_value(); }
    // Drops fired by cartridges 1# .. 4# since the last call.
    void AddDrops(const std::array<std::int64_t, kHistoryCartridges>& drops);
    // The driver is at band `band` (kept in memory: this comes with every
    // band, and a write here would hold up the print).
    void NoteBand(int band);
    // Writes the running copy's progress when kProgressEveryMs have passed
    // since its last write: called by the station's own periodic work (the
    // window's status timer, the serve loop), never on the print's road.
    void WriteProgress();
    // The copy's result.  `bandsSent` is clamped to the bands of the copy
    // (a finished copy sent them all).
    void CopyEnded(CopyResult result, const std::string& message, int bandsSent);

    // An automatic-folder file whose last copy finished and which has not
    // changed since (size, time, content).
    bool AlreadyPrinted(const std::string& path, std::int64_t size, std::int64_t time);

    HistoryStore& store() { return store_; }
    // The record of the copy printing now (for the tests).
    const std::optional<CopyRecord>& current() const { return open_; }

private:
    void Written(bool ok);
    void TellOnce(const std::string& text);

    HistoryStore store_;
    std::string path_;
    std::string edition_;
    int language_ = 0;
    Tell tell_;
    bool toldWriteFailure_ = false;
    std::optional<CopyRecord> open_;
    std::int64_t lastWriteMs_ = 0;
    // Copies printed of each job's current run, by job key: copy n of N.
    std::map<std::uintptr_t, int> printedInRun_;
    std::uintptr_t openKey_ = 0;
};

}  // namespace pv
