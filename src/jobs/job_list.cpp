#include "jobs/job_list.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <utility>

#include "settings/localized.h"

namespace pv {

std::int32_t JobList::Count() const {
    return static_cast<std::int32_t>(OpenedJobs.size() + ManDirJobs.size() + AutoDirJobs.size());
}

JobCollection& JobList::Collection(JobSource s) {
    switch (s) {
    case JobSource::Opened: return OpenedJobs;
    case JobSource::ManDir: return ManDirJobs;
    default: return AutoDirJobs;
    }
}

const JobCollection& JobList::Collection(JobSource s) const {
    return const_cast<JobList*>(this)->Collection(s);
}

JobSource JobList::SourceOf(std::int32_t index) const {
    auto i = static_cast<std::size_t>(index);
    if (i < OpenedJobs.size()) return JobSource::Opened;
    if (i < OpenedJobs.size() + ManDirJobs.size()) return JobSource::ManDir;
    return JobSource::AutoDir;
}

COnePage* JobList::JobAt(std::int32_t index) {
    if (index < 0) return nullptr;
    auto i = static_cast<std::size_t>(index);
    for (JobCollection* c : {&OpenedJobs, &ManDirJobs, &AutoDirJobs}) {
        if (i < c->size()) return (*c)[i].get();
        i -= c->size();
    }
    return nullptr;
}

const COnePage* JobList::JobAt(std::int32_t index) const {
    return const_cast<JobList*>(this)->JobAt(index);
}

COnePage* JobList::CurrentJobAt(std::int32_t index) {
    ClearListSelection();
    COnePage* job = JobAt(index);
    if (job) job->listSelected = 1;
    return job;
}

void JobList::ClearListSelection() {
    for (JobCollection* c : {&OpenedJobs, &ManDirJobs, &AutoDirJobs})
        for (auto& j : *c) j->listSelected = 0;
}

void JobList::SelectJob(std::int32_t index) {
    if (Empty() || index >= Count()) {
        CurrentJobIndex = 0;
        return;
    }
    if (index < 0) index = 0;
    CurrentJobIndex = index;
    CurrentJobAt(index);
    env_.JobsChanged();
}

// Opened and manual-directory jobs print once queued by hand, or again when
// they finished and their copies were raised.
bool JobList::Eligible(const COnePage& job) const {
    return job.jobState == kJobFinished || (job.jobState == kJobWaiting && job.queued != 0);
}

int JobList::TryStart(COnePage& job, std::int32_t index) {
    SelectJob(index);
    if (job.curves.empty()) env_.LoadDrawing(job);
    if (job.curves.empty()) return 0;
    // A print that cannot start leaves the job as it was; the next refresh
    // tries again.
    if (!env_.StartPrint(job)) return -1;
    job.jobState = kJobPrinting;
    env_.JobsChanged();
    return 1;
}

int JobList::StartFromCollection(JobCollection& jobs, std::int32_t base) {
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        COnePage& job = *jobs[i];
        if (!Eligible(job)) continue;
        if (job.copies <= 0) {
            job.jobState = kJobWaiting;
            job.queued = 0;
            return 0;
        }
        return TryStart(job, base + static_cast<std::int32_t>(i));
    }
    return 0;
}

int JobList::StartFromAutoDir() {
    if (!env_.AutoStartOn()) return -1;
    const auto base = static_cast<std::int32_t>(OpenedJobs.size() + ManDirJobs.size());
    ForgetUnlistedUnreadable();
    for (std::size_t i = 0; i < AutoDirJobs.size(); ++i) {
        COnePage& job = *AutoDirJobs[i];
        if (job.jobState != kJobWaiting && job.jobState != kJobFinished) continue;
        if (job.copies <= 0) {
            // holds back every later job until it is removed
            job.jobState = kJobWaiting;
            return -1;
        }
        if (unreadable_.count(VersionOf(job))) continue;   // reported once, waits for a new version
        const int r = TryStart(job, base + static_cast<std::int32_t>(i));
        if (r == 1) return 1;
        if (r != 0) return -1;   // the print did not start: the next refresh tries again
        // The file gave no drawing (junk, empty): say so once and let the
        // later jobs print.
        unreadable_.insert(VersionOf(job));
        env_.ShowMessage(std::string(Localized(env_.Language(), "文件打开失败!", "Open File Failed!")) + " " +
                         job.fileName);
    }
    return -1;
}

// A file that left the folder is forgotten: whatever comes under its name
// later is read and, if it fails, reported again.
void JobList::ForgetUnlistedUnreadable() {
    if (unreadable_.empty()) return;
    std::set<FileVersion> listed;
    for (const auto& j : AutoDirJobs)
        if (unreadable_.count(VersionOf(*j))) listed.insert(VersionOf(*j));
    unreadable_.swap(listed);
}

int JobList::StartNextJob() {
    if (!env_.MachineReady()) return -1;
    if (starting_) return 0;
    starting_ = true;
    int r = StartFromCollection(OpenedJobs, 0);
    if (r == 0) r = StartFromCollection(ManDirJobs, static_cast<std::int32_t>(OpenedJobs.size()));
    if (r == 0) r = StartFromAutoDir();
    starting_ = false;
    return r == 1 ? 0 : -1;
}

void JobList::FinishPrinting(JobCollection& jobs, int result) {
    for (auto& p : jobs) {
        COnePage& job = *p;
        if (job.jobState != kJobPrinting) continue;
        if (result != 1) {
            job.jobState = kJobWaiting;
        } else if (--job.copies > 0) {
            if (!env_.StartPrint(job)) job.jobState = kJobWaiting;
        } else {
            job.copies = 0;
            job.jobState = kJobFinished;
        }
        return;
    }
}

void JobList::FinishCopy(int result) {
    env_.ClearPrintBookkeeping();
    FinishPrinting(OpenedJobs, result);
    FinishPrinting(ManDirJobs, result);
    for (auto& p : AutoDirJobs) {
        COnePage& job = *p;
        if (job.jobState != kJobPrinting) continue;
        if (result == 1) {
            if (--job.copies <= 0) {
                job.copies = 0;
                job.jobState = kJobWaiting;
            } else {
                // The next refresh with a ready machine prints the next copy.
                job.jobState = kJobWaiting;
                RemoveFinishedAutoDirJobs();
            }
        } else {
            env_.SwitchAutoStartOff();
            job.jobState = kJobWaiting;
        }
        break;
    }
    env_.JobsChanged();
    SelectJob(0);
}

void JobList::ReportDenied(bool always) {
    std::set<FileVersion> now;
    now.swap(denied_);
    if (now.empty() || (!always && now == deniedTold_)) {
        if (now.empty()) deniedTold_.clear();   // the next refusal is news again
        return;
    }
    std::string text = Localized(env_.Language(), "拒绝访问：", "Access denied: ");
    bool first = true;
    for (const FileVersion& v : now) {
        if (!first) text += Localized(env_.Language(), "，", ", ");
        text += v.path;
        first = false;
    }
    deniedTold_ = std::move(now);
    env_.ShowMessage(text);
}

bool JobList::RemoveJobFile(const COnePage& job) const {
    const std::string& path = job.filePath;
    if (path.empty()) return true;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;   // already gone
    if (S_ISDIR(st.st_mode)) return false;
    if (S_ISREG(st.st_mode)) {
        const bool readOnly = (st.st_mode & S_IWUSR) == 0;
        if (readOnly) {
            // The four-head program does not clear the read-only mark first.
            if (IsFourHead(env_.edition())) return false;
            if (::chmod(path.c_str(), st.st_mode | S_IWUSR) != 0) return false;
        }
        // A file another program holds locked is still in use.
        int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            if (locked) {
                ::close(fd);
                return false;
            }
            const bool ok = ::unlink(path.c_str()) == 0 || errno == ENOENT;
            ::close(fd);
            return ok;
        }
    }
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool JobList::RemoveFromCollection(JobCollection& jobs, bool deleteFiles,
                                   const std::function<bool(const COnePage&)>& pick) {
    bool removed = false;
    for (std::size_t i = 0; i < jobs.size();) {
        COnePage& job = *jobs[i];
        if (!pick(job)) {
            ++i;
            continue;
        }
        if (deleteFiles && !RemoveJobFile(job)) {
            job.jobState = kJobWaiting;
            denied_.insert(VersionOf(job));
            ++i;
            continue;
        }
        jobs.erase(jobs.begin() + static_cast<std::ptrdiff_t>(i));
        removed = true;
    }
    return removed;
}

bool JobList::RemovePicked(const std::function<bool(const COnePage&)>& pick) {
    bool removed = RemoveFromCollection(OpenedJobs, false, pick);
    removed |= RemoveFromCollection(ManDirJobs, true, pick);
    removed |= RemoveFromCollection(AutoDirJobs, true, pick);
    return removed;
}

void JobList::RemoveFinishedAutoDirJobs() {
    RemoveFromCollection(AutoDirJobs, true, [](const COnePage& j) { return j.copies <= 0; });
    ReportDenied(false);
}

bool JobList::DeleteFinishedJobs() {
    const bool removed = RemovePicked([](const COnePage& j) { return j.copies <= 0; });
    ReportDenied(false);
    if (removed) {
        CurrentJobIndex = 0;
        env_.JobsChanged();
    }
    return removed;
}

void JobList::MarkRows(const std::vector<std::int32_t>& rows) {
    ClearListSelection();
    for (std::int32_t r : rows)
        if (COnePage* job = JobAt(r)) job->listSelected = 1;
}

void JobList::DeleteSelectedJobs(const std::vector<std::int32_t>& rows) {
    if (rows.empty()) return;
    MarkRows(rows);
    RemovePicked([](const COnePage& j) { return j.listSelected != 0; });
    ReportDenied(true);
    SelectJob(0);
    env_.JobsChanged();
    env_.PushUndoSnapshot();
}

void JobList::QueueSelectedJobs(const std::vector<std::int32_t>& rows, bool queued) {
    if (rows.empty()) return;
    MarkRows(rows);
    // Automatic-directory jobs are never queued by hand.
    for (JobCollection* c : {&OpenedJobs, &ManDirJobs})
        for (auto& j : *c)
            if (j->listSelected) j->queued = queued ? 1 : 0;
    env_.JobsChanged();
    env_.PushUndoSnapshot();
}

void JobList::UnqueueAllJobs() {
    for (JobCollection* c : {&OpenedJobs, &ManDirJobs})
        for (auto& j : *c) j->queued = 0;
    env_.JobsChanged();
    env_.PushUndoSnapshot();
}

void JobList::ClearAllJobs() {
    OpenedJobs.clear();
    ManDirJobs.clear();
    AutoDirJobs.clear();
    CurrentJobIndex = 0;
}

bool JobList::EditCopies(std::int32_t copies) {
    COnePage* job = CurrentJobAt(CurrentJobIndex);
    if (!job) return false;
    job->copies = copies;
    env_.JobsChanged();
    return true;
}

int JobList::EditStartPos(double mm) {
    COnePage* job = CurrentJobAt(CurrentJobIndex);
    if (!job) return kNoCurrentJob;
    // plotter units, truncated; a value beyond int32 counts as too far
    const double units = std::trunc(mm * 40.0);
    const std::int64_t limit = static_cast<std::int64_t>(job->maxX) - 40;
    int result = kStartPosSet;
    if (!(units <= static_cast<double>(limit)) || units < -2147483648.0) {
        env_.ShowMessage(Localized(env_.Language(), "输入的起始点超过图形长度！",
                                   "Start pos bigger than plot length!"));
        job->startPosMm = 0;
        result = kStartPosTooFar;
    } else {
        job->startPosMm = static_cast<std::int32_t>(static_cast<std::int64_t>(units) / 40);
    }
    env_.JobsChanged();
    return result;
}

bool JobList::AddOpenedJob(std::unique_ptr<COnePage> page) {
    if (!page || page->curves.empty()) return false;
    OpenedJobs.push_back(std::move(page));
    env_.JobsChanged();
    SelectJob(0);
    env_.PushUndoSnapshot();
    env_.PushUndoSnapshot();
    return true;
}

}  // namespace pv
