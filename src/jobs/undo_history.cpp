#include "jobs/undo_history.h"

#include <algorithm>

#include "jobs/task_archive.h"

namespace pv {

void UndoHistory::Push(const JobList& jobs, Edition edition) {
    // Drop the states after the current one first, then the oldest beyond
    // the limit, so an edit made after undoing to the oldest snapshot keeps
    // that snapshot to come back to.
    if (!snapshots_.empty()) {
        const auto keep = static_cast<std::size_t>(std::max<std::int32_t>(position_, 0)) + 1;
        if (snapshots_.size() > keep) snapshots_.resize(keep);
    }
    while (snapshots_.size() > kMaxSnapshots - 1) {
        snapshots_.erase(snapshots_.begin());
        if (position_ > 0) --position_;
    }
    snapshots_.push_back(TaskArchive::Write(jobs, edition));
    position_ = static_cast<std::int32_t>(snapshots_.size()) - 1;
}

bool UndoHistory::Restore(JobList& jobs, Edition edition) {
    return TaskArchive::ReadInto(snapshots_[static_cast<std::size_t>(position_)], edition, jobs);
}

bool UndoHistory::Undo(JobList& jobs, Edition edition) {
    const auto count = static_cast<std::int32_t>(snapshots_.size());
    if (count < 2 || position_ < 1) return false;
    position_ = std::min(position_, count - 1) - 1;
    return Restore(jobs, edition);
}

bool UndoHistory::Redo(JobList& jobs, Edition edition) {
    const auto count = static_cast<std::int32_t>(snapshots_.size());
    if (count < 2 || position_ >= count - 1) return false;
    ++position_;
    return Restore(jobs, edition);
}

}  // namespace pv
