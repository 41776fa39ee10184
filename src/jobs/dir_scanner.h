#pragma once
// Mirrors the files of a watched directory as jobs.  A file becomes a job
// once it can be locked exclusively and its size and modification time
// have stayed the same since the previous scan, so a file still being
// copied in is left for a later scan.  Jobs are never removed by a scan.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "jobs/job_list.h"

namespace pv {

class DirScanner {
public:
    // Files of this size or more are ignored (bytes, 32 MiB).
    static constexpr std::int64_t kMaxFileBytes = 33'554'432;

    // The patterns of a filter such as "*.plt;*.hpg;": the text before each
    // semicolon; text after the last one is not a pattern.
    static std::vector<std::string> SplitPatterns(const std::string& filter);

    // Scans `dir` for the files of `filter` into `jobs`; calls `changed`
    // after each pattern that changed the collection.  True when anything
    // changed.  A missing folder yields nothing.
    bool ScanDirectory(const std::string& dir, const std::string& filter, JobCollection& jobs,
                       const std::function<void()>& changed = {});

    // Adds a job for the file, or replaces the job of the same path when the
    // file's size or time differ.  True when the collection changed.
    static bool AddOrRefreshDirJob(JobCollection& jobs, const std::string& path, std::int64_t size,
                                   std::int64_t time);

private:
    struct Seen {
        std::int64_t size;
        std::int64_t mtimeNs;
    };
    // What each file looked like at the previous scan of its folder.
    std::map<std::string, Seen> seen_;
};

}  // namespace pv
