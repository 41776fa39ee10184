#pragma once
// The whole job queue as one byte stream: the jobs opened by hand, those of
// the manual directory and those of the automatic directory, each job with
// its drawing.  The stream is the print-task file (".pvtask") and each undo
// snapshot.  The two editions write different page records, so their task
// files are not interchangeable.
#include <cstdint>
#include <string>
#include <string_view>

#include "jobs/job_list.h"
#include "settings/edition.h"

namespace pv {

class RegularFile;

// The three collections read from a stream, not yet in the list.
struct TaskJobs {
    JobCollection opened, manDir, autoDir;
};

class TaskArchive {
public:
    static std::string Write(const JobList& jobs, Edition edition);
    // Reads a whole stream.  False, with `error` set, when the stream is
    // damaged, truncated or has bytes after its end; `out` is then unusable.
    static bool Read(std::string_view bytes, Edition edition, TaskJobs& out, std::string* error = nullptr);
    // Reads and, only on success, replaces the three collections.
    static bool ReadInto(std::string_view bytes, Edition edition, JobList& jobs, std::string* error = nullptr);
    // Reads the stream from an open file of `size` bytes, block by block.
    static bool ReadFile(RegularFile& file, std::uint64_t size, Edition edition, TaskJobs& out,
                         std::string* error = nullptr);

    static constexpr const char* kPageClass = "COnePage";
    static constexpr const char* kCurveClass = "CCurve";
    static constexpr const char* kCurveTag = "TQWN";
};

}  // namespace pv
