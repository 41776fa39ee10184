#include "jobs/task_file.h"

#include <cerrno>
#include <cstdint>

#include "jobs/task_archive.h"
#include "settings/atomic_file_writer.h"
#include "settings/localized.h"
#include "settings/regular_file.h"

namespace pv {

int TaskFile::ReadJobs(const std::string& path, Edition edition, TaskJobs& out, std::string* why,
                       Refusal* refused) {
    RegularFile file;
    const RegularFileResult opened = file.Open(path);
    if (opened != RegularFileResult::Ok) {
        if (why) *why = RegularFileProblem(opened, errno);
        if (refused && opened == RegularFileResult::NotRegular) *refused = Refusal::NotRegular;
        return kTaskCannotOpen;
    }
    const std::int64_t size = file.size();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxBytes) {
        if (why) *why = "is larger than " + std::to_string(kMaxBytes >> 20) + " MiB";
        if (refused) *refused = Refusal::TooLarge;
        return kTaskCannotOpen;
    }
    if (!TaskArchive::ReadFile(file, static_cast<std::uint64_t>(size), edition, out, why)) return kTaskDamaged;
    return kTaskOk;
}

int TaskFile::Open(const std::string& path, Edition edition, int language, JobList& jobs, std::string* message) {
    TaskJobs read;
    std::string why;
    Refusal refused = Refusal::None;
    const int r = ReadJobs(path, edition, read, &why, &refused);
    if (r == kTaskCannotOpen) {
        if (message) {
            *message = Localized(language, "打开文档失败。", "Failed to open document.");
            // A pipe, device or oversized file is named, so the operator
            // knows why a file that is there was not read.
            if (refused == Refusal::NotRegular)
                *message += std::string(Localized(language, "不是普通文件：", " Not a regular file: ")) + path;
            else if (refused == Refusal::TooLarge)
                *message += std::string(Localized(language, "文件太大：", " The file is too large: ")) + path;
        }
        return r;
    }
    if (r != kTaskOk) {
        if (message)
            *message = std::string(Localized(language, "打印任务文件已损坏，无法恢复：",
                                             "The print task file is damaged and was not restored: ")) +
                       why;
        return r;
    }
    jobs.OpenedJobs = std::move(read.opened);
    jobs.ManDirJobs = std::move(read.manDir);
    jobs.AutoDirJobs = std::move(read.autoDir);
    jobs.CurrentJobIndex = 0;
    return kTaskOk;
}

int TaskFile::Save(const std::string& path, Edition edition, int language, const JobList& jobs,
                   std::string* message) {
    std::string error;
    if (!WriteFileAtomically(path, TaskArchive::Write(jobs, edition), &error)) {
        if (message)
            *message = std::string(Localized(language, "保存打印任务失败：", "Failed to save the print task: ")) +
                       error;
        return kTaskCannotWrite;
    }
    return kTaskOk;
}

}  // namespace pv
