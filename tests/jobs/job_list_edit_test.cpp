// The operator's edits of the queue: deleting, queueing, copies, start
// position, and the files of watched-directory jobs.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "fake_environment.h"
#include "jobs/job_list_rows.h"

namespace pv {
namespace {

namespace fs = std::filesystem;
using test::FakeEnvironment;
using test::Job;

class JobListEdit : public ::testing::Test {
protected:
    std::string MakeFile(const std::string& name) {
        const std::string p = (dir_ / name).string();
        std::ofstream(p) << "IN;PU0,0;PD400,0;";
        return p;
    }
    COnePage& Add(JobSource s, const std::string& path) {
        list.Collection(s).push_back(Job(path));
        return *list.Collection(s).back();
    }
    test::ScratchDir scratch_{"jobs-edit"};
    fs::path dir_ = scratch_.Path();
    FakeEnvironment env;
    JobList list{env};
};

TEST_F(JobListEdit, DeleteFinishedRemovesDirectoryFilesAndKeepsOpenedFiles) {
    const std::string opened = MakeFile("opened.plt");
    const std::string man = MakeFile("man.plt");
    Add(JobSource::Opened, opened).copies = 0;
    Add(JobSource::ManDir, man).copies = 0;
    Add(JobSource::AutoDir, MakeFile("auto.plt"));   // copies left: stays
    list.CurrentJobIndex = 2;
    EXPECT_TRUE(list.DeleteFinishedJobs());
    EXPECT_TRUE(fs::exists(opened));
    EXPECT_FALSE(fs::exists(man));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.CurrentJobIndex, 0);
    EXPECT_FALSE(list.DeleteFinishedJobs());
}

TEST_F(JobListEdit, AFileThatVanishedCountsAsRemoved) {
    Add(JobSource::AutoDir, (dir_ / "gone.plt").string()).copies = 0;
    EXPECT_TRUE(list.DeleteFinishedJobs());
    EXPECT_TRUE(env.messages.empty());
}

TEST_F(JobListEdit, AReadOnlyFileIsRemovedOnlyByTheTwoHeadProgram) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        env.ed = e;
        env.messages.clear();
        const std::string path = MakeFile("ro.plt");
        ::chmod(path.c_str(), 0444);
        COnePage& job = Add(JobSource::AutoDir, path);
        job.copies = 0;
        job.jobState = kJobFinished;
        list.RemoveFinishedAutoDirJobs();
        if (e == Edition::TwoHead) {
            EXPECT_FALSE(fs::exists(path));
            EXPECT_TRUE(list.AutoDirJobs.empty());
        } else {
            EXPECT_TRUE(fs::exists(path));
            ASSERT_EQ(list.AutoDirJobs.size(), 1u);
            EXPECT_EQ(list.AutoDirJobs[0]->jobState, kJobWaiting);
            EXPECT_EQ(env.messages, std::vector<std::string>{"Access denied: " + path});
            list.AutoDirJobs.clear();
            ::chmod(path.c_str(), 0644);
            fs::remove(path);
        }
    }
}

// A finished automatic job whose file stays (locked by another program) is
// retried at every removal cycle: the operator hears of it once, with the
// file's name, and again only when the set of such files changes.
TEST_F(JobListEdit, AFileThatCannotBeDeletedIsNamedOnceUntilSomethingChanges) {
    const std::string a = MakeFile("a.plt"), b = MakeFile("b.plt");
    const int fdA = ::open(a.c_str(), O_RDONLY);
    const int fdB = ::open(b.c_str(), O_RDONLY);
    int fdAgain = -1;
    ASSERT_EQ(::flock(fdA, LOCK_EX), 0);
    Add(JobSource::AutoDir, a).copies = 0;
    struct Cycle {
        std::function<void()> before;
        std::vector<std::string> said;
    } const cycles[] = {
        {[] {}, {"Access denied: " + a}},
        {[] {}, {}},
        {[&] { list.RemoveFinishedAutoDirJobs(); }, {}},   // the end of another print: still the same
        {[&] {
             ASSERT_EQ(::flock(fdB, LOCK_EX), 0);
             Add(JobSource::AutoDir, b).copies = 0;
         },
         {"Access denied: " + a + ", " + b}},
        {[] {}, {}},
        {[&] { ::flock(fdA, LOCK_UN); }, {"Access denied: " + b}},   // a is deleted, b stays
        {[&] { ::flock(fdB, LOCK_UN); }, {}},                        // b is deleted too
        {[&] {
             const std::string again = MakeFile("a.plt");
             ::flock(fdA, LOCK_UN);
             Add(JobSource::AutoDir, again).copies = 0;
             fdAgain = ::open(again.c_str(), O_RDONLY);
             ::flock(fdAgain, LOCK_EX);
         },
         {"Access denied: " + a}},   // news again after a cycle without refusals
    };
    int n = 0;
    for (const Cycle& c : cycles) {
        SCOPED_TRACE(n++);
        env.messages.clear();
        c.before();
        list.DeleteFinishedJobs();
        EXPECT_EQ(env.messages, c.said);
    }
    EXPECT_EQ(list.AutoDirJobs.size(), 1u);
    ::close(fdA);
    ::close(fdB);
    ::close(fdAgain);
}

TEST_F(JobListEdit, ASelectedFileInUseKeepsItsRowAsWaiting) {
    const std::string held = MakeFile("held.plt");
    const std::string free = MakeFile("free.plt");
    env.language = 0;
    Add(JobSource::ManDir, held).jobState = kJobFinished;
    Add(JobSource::ManDir, free);
    const int fd = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);   // another program writes it
    list.DeleteSelectedJobs({0, 1});
    ::close(fd);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ManDirJobs[0]->filePath, held);
    EXPECT_EQ(list.ManDirJobs[0]->jobState, kJobWaiting);
    EXPECT_FALSE(fs::exists(free));
    EXPECT_EQ(env.messages, std::vector<std::string>{"拒绝访问：" + held});
    EXPECT_EQ(env.undoPushes, 1);
}

TEST_F(JobListEdit, QueueingSkipsAutomaticJobsAndNeedsASelection) {
    Add(JobSource::Opened, "/o.plt");
    Add(JobSource::ManDir, "/m.plt");
    Add(JobSource::AutoDir, "/a.plt");
    list.QueueSelectedJobs({}, true);
    EXPECT_EQ(env.undoPushes, 0);
    list.QueueSelectedJobs({0, 1, 2, 7, -1}, true);
    EXPECT_EQ(list.OpenedJobs[0]->queued, 1);
    EXPECT_EQ(list.ManDirJobs[0]->queued, 1);
    EXPECT_EQ(list.AutoDirJobs[0]->queued, 0);
    list.QueueSelectedJobs({1}, false);
    EXPECT_EQ(list.OpenedJobs[0]->queued, 1);
    EXPECT_EQ(list.ManDirJobs[0]->queued, 0);
    list.UnqueueAllJobs();
    EXPECT_EQ(list.OpenedJobs[0]->queued, 0);
    EXPECT_EQ(env.undoPushes, 3);
}

TEST_F(JobListEdit, StartPositionMustLieInsideTheDrawing) {
    COnePage& job = Add(JobSource::Opened, "/a.plt");   // maxX 4000 units = 100 mm
    ASSERT_EQ(job.maxX, 4000);
    struct Case {
        double mm;
        int result;
        std::int32_t stored;
    } cases[] = {{99, kStartPosSet, 99}, {98.99, kStartPosSet, 98}, {99.01, kStartPosSet, 99}, {99.03, kStartPosTooFar, 0}, {100, kStartPosTooFar, 0},
                 {1e300, kStartPosTooFar, 0}, {std::nan(""), kStartPosTooFar, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(list.EditStartPos(c.mm), c.result) << c.mm;
        EXPECT_EQ(job.startPosMm, c.stored) << c.mm;
    }
    EXPECT_EQ(env.messages.back(), "Start pos bigger than plot length!");
    list.CurrentJobIndex = 5;
    EXPECT_EQ(list.EditStartPos(1), kNoCurrentJob);
    EXPECT_FALSE(list.EditCopies(3));
}

TEST_F(JobListEdit, SelectJobClampsAndMarksOneJob) {
    Add(JobSource::Opened, "/a.plt");
    Add(JobSource::ManDir, "/b.plt");
    list.SelectJob(-4);
    EXPECT_EQ(list.CurrentJobIndex, 0);
    list.SelectJob(1);
    EXPECT_EQ(list.CurrentJobIndex, 1);
    EXPECT_EQ(list.OpenedJobs[0]->listSelected, 0);
    EXPECT_EQ(list.ManDirJobs[0]->listSelected, 1);
    list.SelectJob(2);
    EXPECT_EQ(list.CurrentJobIndex, 0);
    EXPECT_EQ(list.JobAt(2), nullptr);
    EXPECT_EQ(list.JobAt(-1), nullptr);
}

TEST_F(JobListEdit, RowsShowTheQueueMarkOnlyInChineseOnWaitingHandQueuedJobs) {
    COnePage& o = Add(JobSource::Opened, "/o.plt");
    COnePage& a = Add(JobSource::AutoDir, "/a.plt");
    o.queued = a.queued = 1;
    EXPECT_EQ(JobListRows::Row(list, 0, 0)[1], "等待打印(√)");
    EXPECT_EQ(JobListRows::Row(list, 1, 0)[1], "等待打印");
    EXPECT_EQ(JobListRows::Row(list, 0, 1)[1], "Waiting");
    o.jobState = kJobFinished;
    EXPECT_EQ(JobListRows::Row(list, 0, 0)[1], "打印中");
    const JobRowTexts row = JobListRows::Row(list, 1, 1);
    EXPECT_EQ(row[0], "002");
    EXPECT_EQ(row[2], "Auto Add");
    EXPECT_EQ(row[3], "50 * 100 ");
    EXPECT_EQ(row[5], "0mm");
    EXPECT_EQ(row[7], "/a.plt");
    EXPECT_EQ(JobListRows::FormatTime(INT64_MAX), "0000-00-00 -1:-1:-1");
}

TEST_F(JobListEdit, ColumnsFollowTheLanguage) {
    auto zh = JobListRows::Columns(0, Edition::TwoHead);
    auto pl = JobListRows::Columns(6, Edition::TwoHead);
    auto fourPl = JobListRows::Columns(6, Edition::FourHead);
    EXPECT_EQ(zh[1].title, "状态(排队)");
    EXPECT_EQ(zh[1].width, 120);
    EXPECT_FALSE(zh[1].centred);
    EXPECT_EQ(pl[5].title, "punkt początkowy");
    EXPECT_EQ(pl[1].width, 100);
    EXPECT_TRUE(pl[1].centred);
    EXPECT_EQ(fourPl[5].title, "Start At");
}

}  // namespace
}  // namespace pv
