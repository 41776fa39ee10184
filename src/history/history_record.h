#pragma once
// One printed copy as the print history keeps it, the filter of a query
// and the totals over the rows it picks.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pv {

// How a copy came out.  `Running` while it prints; a row still running
// when its station is gone (a crash, a kill, a power cut) is `Interrupted`.
enum class CopyResult : int { Running = 0, Finished = 1, Stopped = 2, Failed = 3, Interrupted = 4 };

// Where the job came from.
enum class JobOrigin : int { ManualAdd = 0, ManualFolder = 1, AutoFolder = 2, Network = 3, CommandLine = 4 };

const char* CopyResultName(CopyResult r);      // "running", "finished", ...
std::optional<CopyResult> CopyResultFromName(const std::string& name);
const char* JobOriginName(JobOrigin o);        // "manual-add", "manual-folder", ...
std::optional<JobOrigin> JobOriginFromName(const std::string& name);

// Ink cartridges: two on the two-head machine, four on the four-head one.
inline constexpr int kHistoryCartridges = 4;
// One drop is 5 pL: 2 × 10^8 drops per mL.
inline constexpr double kDropsPerMl = 200.0 * 1000.0 * 1000.0;

struct CopyRecord {
    std::int64_t id = 0;
    std::string edition;                  // "Pelvane" / "Orvanta"
    std::string filePath;
    std::string fileName;
    std::int64_t fileSize = 0;            // bytes
    std::int64_t fileTime = 0;            // seconds since 1970 UTC (last write, or when added by hand)
    std::string contentHash;              // hex FNV-1a 64 of the file's bytes when the copy started
    JobOrigin origin = JobOrigin::ManualAdd;
    int copyNumber = 1;                   // copy n ...
    int copies = 1;                       // ... of N
    std::int64_t startedMs = 0;           // milliseconds since 1970 UTC
    std::int64_t endedMs = 0;             // 0 while running
    CopyResult result = CopyResult::Running;
    std::string message;                  // the station's message for a failure
    int bandsSent = 0;
    int bandsTotal = 0;
    double widthMm = 0;                   // the drawing across the roll
    double lengthMm = 0;                  // the drawing along the feed
    double paperMm = 0;                   // paper the job start feeds
    double knifeMm = 0;                   // knife down (full and half cuts, dots)
    std::array<std::int64_t, kHistoryCartridges> drops{};   // per cartridge 1# ... 4#
};

struct HistoryFilter {
    std::optional<std::int64_t> sinceMs;  // started at or after
    std::optional<std::int64_t> untilMs;  // started before
    std::optional<CopyResult> result;
    std::optional<std::int64_t> limit;    // newest first
};

struct HistoryTotals {
    std::int64_t copies = 0;
    std::array<std::int64_t, 5> byResult{};    // indexed by CopyResult
    std::int64_t machineMs = 0;                 // sum of the ended copies' durations
    double paperM = 0;
    double knifeM = 0;
    std::array<std::int64_t, kHistoryCartridges> drops{};
    // The copy that took longest (0 when there is none).
    std::int64_t longestId = 0;
    std::int64_t longestMs = 0;
    std::string longestFile;
};

}  // namespace pv
