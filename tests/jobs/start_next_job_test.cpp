// Which job prints next, and what a finished copy does to it.
#include <gtest/gtest.h>

#include "fake_environment.h"
#include "link/station_host.h"

namespace pv {
namespace {

using test::FakeEnvironment;
using test::Job;

struct Queue {
    FakeEnvironment env;
    JobList list{env};
    COnePage& Add(JobSource s, const std::string& path, bool drawn = true) {
        list.Collection(s).push_back(Job(path, drawn));
        return *list.Collection(s).back();
    }
};

TEST(StartNextJob, OpenedJobsPrintOnlyWhenQueued) {
    Queue q;
    COnePage& a = q.Add(JobSource::Opened, "/a.plt");
    COnePage& b = q.Add(JobSource::Opened, "/b.plt");
    b.queued = 1;
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(q.env.started, std::vector<std::string>{"/b.plt"});
    EXPECT_EQ(b.jobState, kJobPrinting);
    EXPECT_EQ(a.jobState, kJobWaiting);
    EXPECT_EQ(q.list.CurrentJobIndex, 1);
    EXPECT_EQ(b.listSelected, 1);
    // A job already printing is passed over; the unqueued one never prints.
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_EQ(q.env.started.size(), 1u);
}

TEST(StartNextJob, NothingStartsUnlessTheMachineIsReady) {
    Queue q;
    q.Add(JobSource::Opened, "/a.plt").queued = 1;
    q.Add(JobSource::AutoDir, "/auto/x.plt");
    q.env.ready = false;
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_TRUE(q.env.started.empty());
}

TEST(StartNextJob, AFinishedJobIsResetAndTheNextQueuedJobWaitsOneRefresh) {
    Queue q;
    COnePage& done = q.Add(JobSource::Opened, "/done.plt");
    done.jobState = kJobFinished;
    done.copies = 0;
    done.queued = 1;
    COnePage& next = q.Add(JobSource::Opened, "/next.plt");
    next.queued = 1;
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_EQ(done.jobState, kJobWaiting);
    EXPECT_EQ(done.queued, 0);
    EXPECT_TRUE(q.env.started.empty());
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(q.env.started, std::vector<std::string>{"/next.plt"});
}

TEST(StartNextJob, AFinishedJobWithRaisedCopiesPrintsAgainWithoutQueueing) {
    Queue q;
    COnePage& j = q.Add(JobSource::ManDir, "/man/a.plt");
    j.jobState = kJobFinished;
    j.copies = 2;
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(j.jobState, kJobPrinting);
}

TEST(StartNextJob, AutomaticDirectoryJobsFollowAutoStart) {
    Queue q;
    COnePage& first = q.Add(JobSource::AutoDir, "/auto/1.plt", false);
    q.Add(JobSource::AutoDir, "/auto/2.plt", false);
    q.env.loadable = {"/auto/1.plt", "/auto/2.plt"};
    q.env.autoStart = false;
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_TRUE(first.curves.empty());
    q.env.autoStart = true;
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(q.env.started, std::vector<std::string>{"/auto/1.plt"});
    EXPECT_FALSE(first.curves.empty());   // read on first print
}

TEST(StartNextJob, ADoneAutomaticJobHoldsBackTheOnesAfterIt) {
    Queue q;
    COnePage& head = q.Add(JobSource::AutoDir, "/auto/1.plt");
    head.copies = 0;
    head.jobState = kJobFinished;
    q.Add(JobSource::AutoDir, "/auto/2.plt");
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_EQ(head.jobState, kJobWaiting);
    EXPECT_TRUE(q.env.started.empty());
}

TEST(StartNextJob, AnUnreadableManualJobPassesToTheAutomaticDirectory) {
    Queue q;
    q.Add(JobSource::ManDir, "/man/broken.plt", false).queued = 1;
    q.Add(JobSource::AutoDir, "/auto/ok.plt");
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(q.env.started, std::vector<std::string>{"/auto/ok.plt"});
    EXPECT_EQ(q.list.CurrentJobIndex, 1);
}

TEST(StartNextJob, AnUnreadableAutomaticJobIsReportedOnceAndPassedOverUntilItsFileChanges) {
    Queue q;
    q.Add(JobSource::AutoDir, "/auto/junk.plt", false);
    q.Add(JobSource::AutoDir, "/auto/empty.plt", false);
    q.Add(JobSource::AutoDir, "/auto/good.plt", false);
    q.env.loadable = {"/auto/good.plt"};
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(q.env.started, std::vector<std::string>{"/auto/good.plt"});
    EXPECT_EQ(q.env.messages,
              (std::vector<std::string>{"Open File Failed! junk.plt", "Open File Failed! empty.plt"}));
    // Later refreshes neither read nor report them again.
    q.list.AutoDirJobs.pop_back();
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_EQ(q.env.messages.size(), 2u);
    EXPECT_EQ(q.env.started.size(), 1u);
    // A new version of a file replaces its job, which is tried afresh.
    q.list.AutoDirJobs[0] = test::Job("/auto/junk.plt", false);
    q.list.AutoDirJobs[0]->fileSize = 4200;
    q.env.loadable = {"/auto/junk.plt"};
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(q.env.started.back(), "/auto/junk.plt");
    // A file that left the folder is forgotten: put back as it was, it is
    // read and reported again.
    q.list.AutoDirJobs.erase(q.list.AutoDirJobs.begin() + 1);
    EXPECT_EQ(q.list.StartNextJob(), -1);
    q.Add(JobSource::AutoDir, "/auto/empty.plt", false);
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_EQ(q.env.messages.size(), 3u);
    EXPECT_EQ(q.env.messages.back(), "Open File Failed! empty.plt");
}

TEST(StartNextJob, APrintThatDoesNotStartLeavesTheJobWaiting) {
    Queue q;
    COnePage& j = q.Add(JobSource::Opened, "/a.plt");
    j.queued = 1;
    q.env.startOk = false;
    EXPECT_EQ(q.list.StartNextJob(), -1);
    EXPECT_EQ(j.jobState, kJobWaiting);
}

TEST(StartNextJob, ARefreshDuringAStartIsRefused) {
    Queue q;
    q.Add(JobSource::Opened, "/a.plt").queued = 1;
    q.Add(JobSource::Opened, "/b.plt").queued = 1;
    int inner = -2;
    q.env.duringStart = [&] {
        q.env.duringStart = nullptr;
        inner = q.list.StartNextJob();
    };
    EXPECT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(q.env.started, std::vector<std::string>{"/a.plt"});
}

TEST(FinishCopy, OpenedJobPrintsItsCopiesBackToBack) {
    Queue q;
    COnePage& j = q.Add(JobSource::Opened, "/a.plt");
    j.queued = 1;
    j.copies = 2;
    ASSERT_EQ(q.list.StartNextJob(), 0);
    q.list.FinishCopy(kPrintDone);
    EXPECT_EQ(j.copies, 1);
    EXPECT_EQ(j.jobState, kJobPrinting);
    EXPECT_EQ(q.env.started.size(), 2u);
    q.list.FinishCopy(kPrintDone);
    EXPECT_EQ(j.copies, 0);
    EXPECT_EQ(j.jobState, kJobFinished);
    EXPECT_EQ(q.list.CurrentJobIndex, 0);
}

TEST(FinishCopy, AFailedPrintReturnsTheJobToWaitingWithItsCopies) {
    Queue q;
    COnePage& j = q.Add(JobSource::ManDir, "/man/a.plt");
    j.queued = 1;
    ASSERT_EQ(q.list.StartNextJob(), 0);
    q.list.FinishCopy(kPrintFailed);
    EXPECT_EQ(j.jobState, kJobWaiting);
    EXPECT_EQ(j.copies, 1);
    EXPECT_TRUE(q.env.autoStart);
}

TEST(FinishCopy, AFailedAutomaticPrintSwitchesAutoStartOff) {
    Queue q;
    COnePage& j = q.Add(JobSource::AutoDir, "/auto/a.plt");
    ASSERT_EQ(q.list.StartNextJob(), 0);
    q.list.FinishCopy(kPrintFailed);
    EXPECT_FALSE(q.env.autoStart);
    EXPECT_EQ(j.jobState, kJobWaiting);
    EXPECT_EQ(q.list.StartNextJob(), -1);
}

TEST(FinishCopy, AnAutomaticJobWithCopiesLeftPrintsAgainAtTheNextRefresh) {
    Queue q;
    COnePage& j = q.Add(JobSource::AutoDir, "/auto/a.plt");
    j.copies = 2;
    ASSERT_EQ(q.list.StartNextJob(), 0);
    q.list.FinishCopy(kPrintDone);
    EXPECT_EQ(j.jobState, kJobWaiting);
    EXPECT_EQ(j.copies, 1);
    EXPECT_EQ(q.env.started.size(), 1u);
    ASSERT_EQ(q.list.StartNextJob(), 0);
    EXPECT_EQ(q.env.started.size(), 2u);
    q.list.FinishCopy(kPrintDone);
    EXPECT_EQ(j.jobState, kJobWaiting);
    EXPECT_EQ(j.copies, 0);
    ASSERT_EQ(q.list.AutoDirJobs.size(), 1u);   // removed by the finished-job sweep, not here
}

TEST(FinishCopy, AJobRemovedWhilePrintingIsNotLookedFor) {
    Queue q;
    q.Add(JobSource::Opened, "/a.plt").queued = 1;
    ASSERT_EQ(q.list.StartNextJob(), 0);
    q.list.ClearAllJobs();
    q.list.FinishCopy(kPrintDone);
    EXPECT_TRUE(q.list.Empty());
    EXPECT_EQ(q.list.CurrentJobIndex, 0);
}

}  // namespace
}  // namespace pv
