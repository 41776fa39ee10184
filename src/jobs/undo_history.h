#pragma once
// The undo history of the job queue: up to 100 snapshots of the whole queue
// stream, and the position of the one that matches the current state.  A
// snapshot is taken after an edit, so the first recorded edit itself cannot
// be undone.
#include <cstdint>
#include <string>
#include <vector>

#include "jobs/job_list.h"
#include "settings/edition.h"

namespace pv {

class UndoHistory {
public:
    static constexpr std::size_t kMaxSnapshots = 100;

    void Push(const JobList& jobs, Edition edition);
    // Each puts the snapshot it moves to into the queue; false (nothing
    // changed) when there is nowhere to go.
    bool Undo(JobList& jobs, Edition edition);
    bool Redo(JobList& jobs, Edition edition);

    std::size_t Count() const { return snapshots_.size(); }
    std::int32_t UndoPosition() const { return position_; }
    const std::string& Snapshot(std::size_t i) const { return snapshots_[i]; }

private:
    bool Restore(JobList& jobs, Edition edition);

    std::vector<std::string> snapshots_;
    std::int32_t position_ = 0;
};

}  // namespace pv
