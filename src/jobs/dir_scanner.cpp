#include "jobs/dir_scanner.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "jobs/station.h"

namespace pv {
namespace {

std::vector<std::string> SortedNames(const std::string& dir) {
    std::vector<std::string> names;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return names;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

// Open for reading with an exclusive lock: fails while another program
// holds the file or has it open for writing.  -1 when it cannot be had.
int OpenExclusive(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    // A writer need not lock: a read lease is refused (EAGAIN) while any
    // process has the file open for writing, so a copy that pauses longer
    // than a scan is not taken half written.  Where leases cannot be had
    // (another owner, a file system without them) the unchanged size and
    // time across two scans must do.
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    } else if (errno == EAGAIN) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::vector<std::string> DirScanner::SplitPatterns(const std::string& filter) {
    std::vector<std::string> patterns;
    std::size_t start = 0;
    for (std::size_t semi = filter.find(';'); semi != std::string::npos; semi = filter.find(';', start)) {
        patterns.push_back(filter.substr(start, semi - start));
        start = semi + 1;
    }
    return patterns;
}

bool DirScanner::AddOrRefreshDirJob(JobCollection& jobs, const std::string& path, std::int64_t size,
                                    std::int64_t time) {
    auto fresh = std::make_unique<COnePage>();
    fresh->filePath = path;
    fresh->fileName = Station::FileNameOf(path);
    fresh->fileSize = size;
    fresh->fileTime = time;
    for (auto& job : jobs) {
        if (job->filePath != path) continue;
        if (job->fileSize == size && job->fileTime == time) return false;
        job = std::move(fresh);   // the new version starts over
        return true;
    }
    jobs.push_back(std::move(fresh));
    return true;
}

bool DirScanner::ScanDirectory(const std::string& dirIn, const std::string& filter, JobCollection& jobs,
                               const std::function<void()>& changed) {
    if (dirIn.empty()) return false;
    std::string dir = dirIn;
    if (dir.back() == '\\') dir.back() = '/';
    if (dir.back() != '/') dir += '/';
    const std::vector<std::string> names = SortedNames(dir);
    std::map<std::string, Seen> now;
    bool any = false;
    for (const std::string& pattern : SplitPatterns(filter)) {
        // a pattern names files of this folder only
        if (pattern.empty() || pattern.find_first_of("/\\") != std::string::npos) continue;
        bool changedHere = false;
        for (const std::string& name : names) {
            if (::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) != 0) continue;
            const std::string path = dir + name;
            struct stat st {};
            if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            const std::int64_t size = st.st_size;
            if (size >= kMaxFileBytes) continue;
            const Seen mark{size, static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 +
                                      st.st_mtim.tv_nsec};
            now[path] = mark;
            // still growing, or seen for the first time: wait for the next scan
            auto before = seen_.find(path);
            if (before == seen_.end() || before->second.size != mark.size ||
                before->second.mtimeNs != mark.mtimeNs)
                continue;
            const int fd = OpenExclusive(path);
            if (fd < 0) continue;
            changedHere |= AddOrRefreshDirJob(jobs, path, size, st.st_mtim.tv_sec);
            ::close(fd);
        }
        if (changedHere && changed) changed();
        any |= changedHere;
    }
    // Forget the files of this folder that are gone; keep other folders'.
    for (auto it = seen_.lower_bound(dir); it != seen_.end() && it->first.compare(0, dir.size(), dir) == 0;) {
        const bool inThisFolder = it->first.find('/', dir.size()) == std::string::npos;
        it = inThisFolder && !now.count(it->first) ? seen_.erase(it) : std::next(it);
    }
    for (auto& [path, mark] : now) seen_[path] = mark;
    return any;
}

}  // namespace pv
