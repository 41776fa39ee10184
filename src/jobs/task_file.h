#pragma once
// The print-task file on disk: restoring it replaces the queue, saving it
// replaces the file as a whole or not at all.
#include <string>

#include "jobs/job_list.h"
#include "jobs/task_archive.h"
#include "settings/edition.h"

namespace pv {

enum TaskFileResult : int {
    kTaskOk = 0,
    kTaskCannotOpen = -1,   // "打开文档失败。"
    kTaskDamaged = -2,      // ends early, unknown class, bad count
    kTaskCannotWrite = -3,
};

class TaskFile {
public:
    // Files larger than this are refused unread (bytes).
    static constexpr std::size_t kMaxBytes = std::size_t{1} << 30;

    // Reads `path` into the queue.  On any failure the queue stays as it was
    // and `message` holds the operator's message in `language`.
    static int Open(const std::string& path, Edition edition, int language, JobList& jobs, std::string* message);
    static int Save(const std::string& path, Edition edition, int language, const JobList& jobs,
                    std::string* message);
    // Reads the jobs of `path` without touching any queue: kTaskOk,
    // kTaskCannotOpen (missing, not a regular file, larger than kMaxBytes)
    // or kTaskDamaged; `why` says what was wrong, in English, for logs.
    // The size is checked before anything is read, and the file is read
    // block by block, never held whole.
    enum class Refusal { None, NotRegular, TooLarge };
    static int ReadJobs(const std::string& path, Edition edition, TaskJobs& out, std::string* why = nullptr,
                        Refusal* refused = nullptr);
};

}  // namespace pv
