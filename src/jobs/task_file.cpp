#include "jobs/task_file.h"

#include <fstream>

#include "jobs/task_archive.h"
#include "settings/atomic_file_writer.h"
#include "settings/localized.h"

namespace pv {

bool TaskFile::ReadAll(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxBytes) return false;
    in.seekg(0);
    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(bytes.data(), size)) return false;
    return true;
}

int TaskFile::Open(const std::string& path, Edition edition, int language, JobList& jobs, std::string* message) {
    std::string bytes;
    if (!ReadAll(path, bytes)) {
        if (message) *message = Localized(language, "打开文档失败。", "Failed to open document.");
        return kTaskCannotOpen;
    }
    std::string why;
    if (!TaskArchive::ReadInto(bytes, edition, jobs, &why)) {
        if (message)
            *message = std::string(Localized(language, "打印任务文件已损坏，无法恢复：",
                                             "The print task file is damaged and was not restored: ")) +
                       why;
        return kTaskDamaged;
    }
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
