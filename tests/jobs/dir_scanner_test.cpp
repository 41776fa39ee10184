// Watched directories: which files become jobs, and when.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "jobs/dir_scanner.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

class DirScan : public ::testing::Test {
protected:
    std::string Dir() const { return dir_.string() + "/"; }
    std::string Write(const std::string& name, const std::string& text, bool append = false) {
        const std::string p = Dir() + name;
        std::ofstream(p, append ? std::ios::app : std::ios::trunc) << text;
        return p;
    }
    // Sets the file's modification time (seconds since the epoch).
    void Touch(const std::string& path, std::time_t t) {
        timespec ts[2] = {{t, 0}, {t, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), ts, 0);
    }
    bool Scan(const std::string& filter = "*.plt;*.hpg;") { return scanner.ScanDirectory(Dir(), filter, jobs); }
    std::vector<std::string> Names() const {
        std::vector<std::string> n;
        for (auto& j : jobs) n.push_back(j->fileName);
        return n;
    }
    test::ScratchDir scratch_{"scan"};
    fs::path dir_ = scratch_.Path();
    DirScanner scanner;
    JobCollection jobs;
};

TEST(DirScannerPatterns, OnlyTextBeforeASemicolonIsAPattern) {
    using V = std::vector<std::string>;
    EXPECT_EQ(DirScanner::SplitPatterns("*.plt;*.hpg;"), (V{"*.plt", "*.hpg"}));
    EXPECT_EQ(DirScanner::SplitPatterns("*.plt;*.hpg"), (V{"*.plt"}));
    EXPECT_EQ(DirScanner::SplitPatterns("*.plt"), V{});
    EXPECT_EQ(DirScanner::SplitPatterns(""), V{});
}

TEST_F(DirScan, AGrowingFileBecomesAJobOnlyOnceItSettles) {
    const std::string p = Write("a.plt", "IN;");
    Touch(p, 1000);
    EXPECT_FALSE(Scan());             // first sight
    Write("a.plt", "PD100,0;", true);
    Touch(p, 1001);
    EXPECT_FALSE(Scan());             // grew since the last scan
    EXPECT_TRUE(Scan());              // unchanged: taken
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0]->fileSize, 11);
    EXPECT_EQ(jobs[0]->fileTime, 1001);
    EXPECT_EQ(jobs[0]->copies, 1);
    EXPECT_TRUE(jobs[0]->curves.empty());
    EXPECT_FALSE(Scan());
}

TEST_F(DirScan, ALockedFileWaitsUntilItIsReleased) {
    const std::string p = Write("held.plt", "IN;");
    Scan();
    const int fd = ::open(p.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_FALSE(Scan());
    ::close(fd);
    EXPECT_TRUE(Scan());
}

// A copy that pauses, holding the file open for writing without a lock,
// leaves it unchanged across scans: it is still not taken half written.
TEST_F(DirScan, AFileOpenForWritingWaitsUntilItIsClosed) {
    const std::string p = Write("copying.plt", "");
    const int fd = ::open(p.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "IN;PD100,0;", 11), 11);
    EXPECT_FALSE(Scan());
    EXPECT_FALSE(Scan());
    EXPECT_FALSE(Scan());
    ASSERT_EQ(::write(fd, "PD100,100;", 10), 10);
    ::close(fd);
    Scan();
    EXPECT_TRUE(Scan());
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0]->fileSize, 21);
}

TEST_F(DirScan, FilterCaseSizeAndKindsOfEntry) {
    Write("UPPER.PLT", "IN;");
    Write("b.hpg", "IN;");
    Write("c.dxf", "0\nEOF\n");
    Write(".hidden.plt", "IN;");
    fs::create_directory(dir_ / "folder.plt");
    {
        std::ofstream big(Dir() + "big.plt");
        big.seekp(DirScanner::kMaxFileBytes - 1);
        big.put('x');
    }
    Scan();
    Scan();
    EXPECT_EQ(Names(), (std::vector<std::string>{"UPPER.PLT", "b.hpg"}));
    JobCollection none;
    DirScanner other;
    other.ScanDirectory(Dir(), "*.plt", none);
    other.ScanDirectory(Dir(), "*.plt", none);
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(other.ScanDirectory(Dir() + "missing/", "*.plt;", none));
}

TEST_F(DirScan, ANewVersionReplacesTheJobInPlace) {
    const std::string a = Write("a.plt", "IN;");
    Write("b.plt", "IN;");
    Scan();
    Scan();
    ASSERT_EQ(jobs.size(), 2u);
    jobs[0]->copies = 0;
    jobs[0]->jobState = kJobFinished;
    jobs[0]->queued = 1;
    Write("a.plt", "IN;PU;");
    Touch(a, 5000);
    EXPECT_FALSE(Scan());
    EXPECT_TRUE(Scan());
    ASSERT_EQ(Names(), (std::vector<std::string>{"a.plt", "b.plt"}));
    EXPECT_EQ(jobs[0]->copies, 1);
    EXPECT_EQ(jobs[0]->jobState, kJobWaiting);
    EXPECT_EQ(jobs[0]->queued, 0);
    EXPECT_EQ(jobs[0]->fileTime, 5000);
    // a file that disappears keeps its job
    fs::remove(a);
    Scan();
    EXPECT_EQ(jobs.size(), 2u);
}

TEST(DirScannerJobs, PathsDifferingInCaseAreTwoJobs) {
    JobCollection jobs;
    EXPECT_TRUE(DirScanner::AddOrRefreshDirJob(jobs, "/d/a.plt", 3, 7));
    EXPECT_TRUE(DirScanner::AddOrRefreshDirJob(jobs, "/d/A.plt", 3, 7));
    EXPECT_FALSE(DirScanner::AddOrRefreshDirJob(jobs, "/d/a.plt", 3, 7));
    EXPECT_EQ(jobs.size(), 2u);
}

}  // namespace
}  // namespace pv
