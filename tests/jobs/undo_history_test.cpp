// The undo history: positions at its ends and across the 100-snapshot limit.
#include <gtest/gtest.h>

#include "fake_environment.h"
#include "jobs/undo_history.h"

namespace pv {
namespace {

using test::FakeEnvironment;

struct Queue {
    FakeEnvironment env;
    JobList list{env};
    UndoHistory undo;
    // An edit: the one job's copies become n, then the snapshot.
    void Edit(int n) {
        if (list.OpenedJobs.empty()) list.OpenedJobs.push_back(test::Job("/a.plt"));
        list.OpenedJobs[0]->copies = n;
        undo.Push(list, Edition::TwoHead);
    }
    int Copies() const { return list.OpenedJobs.empty() ? -1 : list.OpenedJobs[0]->copies; }
};

TEST(UndoHistory, UndoAndRedoWalkTheSnapshots) {
    Queue q;
    EXPECT_FALSE(q.undo.Undo(q.list, Edition::TwoHead));
    q.Edit(1);
    EXPECT_FALSE(q.undo.Undo(q.list, Edition::TwoHead));   // the first edit stays
    q.Edit(2);
    q.Edit(3);
    EXPECT_TRUE(q.undo.Undo(q.list, Edition::TwoHead));
    EXPECT_EQ(q.Copies(), 2);
    EXPECT_TRUE(q.undo.Undo(q.list, Edition::TwoHead));
    EXPECT_EQ(q.Copies(), 1);
    EXPECT_FALSE(q.undo.Undo(q.list, Edition::TwoHead));
    EXPECT_TRUE(q.undo.Redo(q.list, Edition::TwoHead));
    EXPECT_EQ(q.Copies(), 2);
    q.Edit(7);   // drops the redo branch
    EXPECT_EQ(q.undo.Count(), 3u);
    EXPECT_FALSE(q.undo.Redo(q.list, Edition::TwoHead));
    EXPECT_TRUE(q.undo.Undo(q.list, Edition::TwoHead));
    EXPECT_EQ(q.Copies(), 2);
}

TEST(UndoHistory, TheOldestSnapshotGoesAtTheLimit) {
    Queue q;
    for (int i = 1; i <= 100; ++i) q.Edit(i);
    EXPECT_EQ(q.undo.Count(), 100u);
    EXPECT_EQ(q.undo.UndoPosition(), 99);
    q.Edit(101);
    EXPECT_EQ(q.undo.Count(), 100u);
    EXPECT_EQ(q.undo.UndoPosition(), 99);
    for (int i = 0; i < 99; ++i) ASSERT_TRUE(q.undo.Undo(q.list, Edition::TwoHead));
    EXPECT_EQ(q.Copies(), 2);   // snapshot 1 was dropped
    EXPECT_FALSE(q.undo.Undo(q.list, Edition::TwoHead));
    // An edit at the oldest state keeps that state to come back to.
    q.Edit(55);
    EXPECT_EQ(q.undo.Count(), 2u);
    EXPECT_TRUE(q.undo.Undo(q.list, Edition::TwoHead));
    EXPECT_EQ(q.Copies(), 2);
}

TEST(UndoHistory, AddingAFileThenUndoingShowsNoChange) {
    Queue q;
    q.list.OpenedJobs.push_back(test::Job("/a.plt"));
    q.undo.Push(q.list, Edition::TwoHead);
    q.undo.Push(q.list, Edition::TwoHead);
    EXPECT_TRUE(q.undo.Undo(q.list, Edition::TwoHead));
    EXPECT_EQ(q.list.Count(), 1);
}

}  // namespace
}  // namespace pv
