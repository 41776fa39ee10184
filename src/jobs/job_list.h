#pragma once
// The queue of pattern files waiting to be printed: the jobs opened by hand,
// those found in the manual directory and those found in the automatic
// directory, shown as one list numbered from 0 in that order (the display
// index).  Runs on the user-interface thread only.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "geometry/one_page.h"
#include "jobs/job_environment.h"

namespace pv {

using JobCollection = std::vector<std::unique_ptr<COnePage>>;

enum class JobSource : int { Opened = 0, ManDir = 1, AutoDir = 2 };

// Results of EditStartPos.
inline constexpr int kStartPosSet = 0;
inline constexpr int kStartPosTooFar = -1;   // beyond the drawing: set to 0
inline constexpr int kNoCurrentJob = -2;

class JobList {
public:
    explicit JobList(JobEnvironment& env) : env_(env) {}

    JobCollection OpenedJobs;
    JobCollection ManDirJobs;
    JobCollection AutoDirJobs;
    std::int32_t CurrentJobIndex = 0;

    std::int32_t Count() const;
    bool Empty() const { return Count() == 0; }
    JobCollection& Collection(JobSource s);
    const JobCollection& Collection(JobSource s) const;
    // Which collection a display index falls in (index must be valid).
    JobSource SourceOf(std::int32_t index) const;

    // The job at a display index, or null.
    COnePage* JobAt(std::int32_t index);
    const COnePage* JobAt(std::int32_t index) const;
    // The lookup for the current job: marks only the job found as selected.
    COnePage* CurrentJobAt(std::int32_t index);
    void SelectJob(std::int32_t index);

    // 0 when a job was started (or the call came while another ran), -1 otherwise.
    int StartNextJob();
    // The print driver ended: 1 printed, anything else failed or refused.
    void FinishCopy(int result);
    void RemoveFinishedAutoDirJobs();
    bool DeleteFinishedJobs();
    // The rows the operator selected (display indexes).
    void DeleteSelectedJobs(const std::vector<std::int32_t>& rows);
    void QueueSelectedJobs(const std::vector<std::int32_t>& rows, bool queued);
    void UnqueueAllJobs();
    void ClearAllJobs();

    // Deletes the job's file.  True when the file is gone (also when it had
    // already vanished); false when it could not be deleted.
    bool RemoveJobFile(const COnePage& job) const;

    // The current job's copies, taken as entered (no range check).  False
    // when no job is current.
    bool EditCopies(std::int32_t copies);
    // The current job's start position in mm: kStartPosSet, kStartPosTooFar
    // (the message has been shown and the position is 0) or kNoCurrentJob.
    int EditStartPos(double mm);

    // Appends a job read by hand; a page without curves is dropped.  Pushes
    // the two undo snapshots of the Add command.
    bool AddOpenedJob(std::unique_ptr<COnePage> page);

private:
    bool Eligible(const COnePage& job) const;
    // 1: started, 0: passed over, -1 stop the scan with no start.
    int TryStart(COnePage& job, std::int32_t index);
    int StartFromCollection(JobCollection& jobs, std::int32_t base);
    int StartFromAutoDir();
    void FinishPrinting(JobCollection& jobs, int result);
    // Removes every job the predicate picks; directory jobs lose their
    // files, and a job whose file stays keeps its row as waiting.
    bool RemovePicked(const std::function<bool(const COnePage&)>& pick);
    bool RemoveFromCollection(JobCollection& jobs, bool deleteFiles,
                              const std::function<bool(const COnePage&)>& pick);
    // Says "Access denied" with the files that could not be deleted in the
    // removal just made.  The automatic removals (every few seconds while a
    // file stays locked) say it once until the set of such files changes;
    // the operator's own delete always gets its answer.
    void ReportDenied(bool always);
    void ClearListSelection();
    void MarkRows(const std::vector<std::int32_t>& rows);

    // Automatic-folder files that gave no drawing when their job was to
    // print, by path, size and time: reported once and passed over until
    // the file changes (a new version replaces the job and is tried).
    struct FileVersion {
        std::string path;
        std::int64_t size;
        std::int64_t time;
        auto operator<=>(const FileVersion&) const = default;
    };
    static FileVersion VersionOf(const COnePage& job) { return {job.filePath, job.fileSize, job.fileTime}; }
    std::set<FileVersion> unreadable_;
    void ForgetUnlistedUnreadable();
    // Files kept by the removal under way, and those last reported.
    std::set<FileVersion> denied_;
    std::set<FileVersion> deniedTold_;

    JobEnvironment& env_;
    bool starting_ = false;
};

}  // namespace pv
