// The queue stream: its exact bytes, both editions' page records, and
// refusal of damaged streams without touching the queue.
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "fake_environment.h"
#include "jobs/task_archive.h"
#include "jobs/task_file.h"

namespace pv {
namespace {

using test::FakeEnvironment;
using test::Line;

std::string Hex(const std::string& s) {
    static const char* d = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        out += d[c >> 4];
        out += d[c & 15];
    }
    return out;
}

struct Queue {
    FakeEnvironment env;
    JobList list{env};
};

// Two jobs in different collections, one of them printing and edited.
void FillSample(JobList& list) {
    auto a = std::make_unique<COnePage>();
    a->filePath = "/w/裁片 1.plt";
    a->fileName = "裁片 1.plt";
    a->curves.push_back(Line(0, 0, 4000, 0, kFullCut));
    a->curves.push_back(Line(10, -20, 30, 40));
    a->curves[1].lineType = 1;
    a->CalcBounds();
    a->cutMaxX = 4000;
    a->plotMaxY = 40;
    a->fileTime = 1700000000;
    a->copies = 3;
    a->jobState = kJobPrinting;
    a->startPosMm = 12;
    a->queued = 1;
    a->fileSize = 999;
    list.OpenedJobs.push_back(std::move(a));
    auto b = std::make_unique<COnePage>();
    b->filePath = "/auto/b.plt";
    b->fileName = "b.plt";
    b->fileTime = -5;
    list.AutoDirJobs.push_back(std::move(b));
}

TEST(TaskArchive, AnEmptyQueueIsSixZeroBytes) {
    Queue q;
    EXPECT_EQ(TaskArchive::Write(q.list, Edition::TwoHead), std::string(6, '\0'));
    EXPECT_EQ(TaskArchive::Write(q.list, Edition::FourHead), std::string(6, '\0'));
}

TEST(TaskArchive, OneJobWithOneCurveHasTheArchiveLayout) {
    Queue q;
    auto p = std::make_unique<COnePage>();
    p->filePath = "C:\\a.plt";
    p->fileName = "a.plt";
    p->fileTime = 0x0102030405060708;
    p->curves.push_back(Line(1, 2, 3, 4));
    p->CalcBounds();
    q.list.OpenedJobs.push_back(std::move(p));
    const std::string expected =
        "0100"                              // one opened job
        "FFFF" "0100" "0800" + Hex("COnePage") +   // class record, number 1; the job is 2
        "00000000" "01000000"                // jobState, copies
        "00000000" "00000000" "00000000" "00000000"   // cut and drawn extents
        "03000000" "01000000" "04000000" "02000000"   // maxX minX maxY minY
        "FFFEFF08" "43003A005C0061002E0070006C007400"   // filePath
        "FFFEFF05" "61002E0070006C007400"              // fileName
        "0807060504030201"                   // fileTime
        "0100"                               // one curve
        "FFFF" "0100" "0600" + Hex("CCurve") +     // class 3, curve 4
        "FFFEFF04" "540051005700" "4E00"     // TQWN
        "01000000" "03000000" "04000000" "01000000" "02000000" "00000000"
        "0200" "01000000" "02000000" "03000000" "04000000"
        "0000" "0000";
    EXPECT_EQ(Hex(TaskArchive::Write(q.list, Edition::TwoHead)), expected);
}

TEST(TaskArchive, LaterObjectsOfAClassReferToItsNumber) {
    Queue q;
    FillSample(q.list);
    const std::string bytes = TaskArchive::Write(q.list, Edition::TwoHead);
    // second curve of the first job: class 3; second job: class 1
    EXPECT_NE(bytes.find(std::string("\x03\x80", 2)), std::string::npos);
    EXPECT_NE(bytes.find(std::string("\x01\x80", 2)), std::string::npos);
    EXPECT_EQ(bytes.find("CCurve"), bytes.rfind("CCurve"));
}

TEST(TaskArchive, RoundTripKeepsStoredFieldsAndResetsTheRest) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        Queue q;
        FillSample(q.list);
        const std::string bytes = TaskArchive::Write(q.list, e);
        Queue r;
        ASSERT_TRUE(TaskArchive::ReadInto(bytes, e, r.list));
        ASSERT_EQ(r.list.OpenedJobs.size(), 1u);
        ASSERT_EQ(r.list.ManDirJobs.size(), 0u);
        ASSERT_EQ(r.list.AutoDirJobs.size(), 1u);
        const COnePage& a = *r.list.OpenedJobs[0];
        const COnePage& orig = *q.list.OpenedJobs[0];
        EXPECT_EQ(a.jobState, kJobWaiting);
        EXPECT_EQ(a.copies, 3);
        EXPECT_EQ(a.startPosMm, 0);
        EXPECT_EQ(a.queued, 0);
        EXPECT_EQ(a.fileSize, 0);
        EXPECT_EQ(a.fileName, "裁片 1.plt");
        EXPECT_EQ(a.fileTime, 1700000000);
        EXPECT_EQ(a.filePath, IsFourHead(e) ? "" : "/w/裁片 1.plt");
        EXPECT_EQ(a.cutMaxX, IsFourHead(e) ? 0 : 4000);
        EXPECT_EQ(a.maxX, orig.maxX);
        EXPECT_EQ(a.minY, orig.minY);
        ASSERT_EQ(a.curves.size(), 2u);
        EXPECT_EQ(a.curves[0].kind, kFullCut);
        EXPECT_EQ(a.curves[1].lineType, 1);
        EXPECT_EQ(a.curves[1].points, orig.curves[1].points);
        EXPECT_EQ(a.curves[1].minY, -20);
        EXPECT_EQ(r.list.AutoDirJobs[0]->fileTime, -5);
        // and the same bytes again, apart from the reset state
        q.list.OpenedJobs[0]->jobState = kJobWaiting;
        EXPECT_EQ(TaskArchive::Write(r.list, e), TaskArchive::Write(q.list, e));
    }
}

TEST(TaskArchive, EveryTruncationIsRefusedAndLeavesTheQueue) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        Queue src;
        FillSample(src.list);
        const std::string bytes = TaskArchive::Write(src.list, e);
        Queue q;
        q.list.ManDirJobs.push_back(test::Job("/keep.plt"));
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            std::string why;
            ASSERT_FALSE(TaskArchive::ReadInto(std::string_view(bytes).substr(0, n), e, q.list, &why)) << n;
            EXPECT_FALSE(why.empty());
            ASSERT_EQ(q.list.Count(), 1);
            ASSERT_EQ(q.list.ManDirJobs[0]->filePath, "/keep.plt");
        }
        EXPECT_FALSE(TaskArchive::ReadInto(bytes + "x", e, q.list));
    }
}

// The two programs' task files are not interchangeable: each refuses the
// other's, in both directions, and keeps its queue as it was.
TEST(TaskArchive, AFileOfTheOtherEditionIsRefused) {
    for (Edition writer : {Edition::TwoHead, Edition::FourHead}) {
        const Edition reader = IsFourHead(writer) ? Edition::TwoHead : Edition::FourHead;
        Queue src;
        FillSample(src.list);
        const std::string bytes = TaskArchive::Write(src.list, writer);
        Queue q;
        q.list.ManDirJobs.push_back(test::Job("/keep.plt"));
        std::string why;
        EXPECT_FALSE(TaskArchive::ReadInto(bytes, reader, q.list, &why)) << static_cast<int>(writer);
        EXPECT_FALSE(why.empty());
        ASSERT_EQ(q.list.Count(), 1);
        EXPECT_EQ(q.list.ManDirJobs[0]->filePath, "/keep.plt");
    }
}

TEST(TaskArchive, DamagedBytesNeverCrashOrLeaveEmptyJobs) {
    Queue src;
    FillSample(src.list);
    const std::string bytes = TaskArchive::Write(src.list, Edition::TwoHead);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (unsigned char v : {0x00, 0x7F, 0x80, 0xFF}) {
            std::string bad = bytes;
            bad[i] = static_cast<char>(v);
            TaskJobs out;
            if (TaskArchive::Read(bad, Edition::TwoHead, out)) {
                for (auto* c : {&out.opened, &out.manDir, &out.autoDir})
                    for (auto& j : *c) ASSERT_NE(j, nullptr);
            }
        }
    }
    // a count far beyond the stream, and an unknown class
    TaskJobs out;
    EXPECT_FALSE(TaskArchive::Read(std::string("\xFF\xFF\xFF\xFF\xFF\x7F", 6), Edition::TwoHead, out));
    EXPECT_FALSE(TaskArchive::Read(std::string("\x01\x00\xFF\xFF\x01\x00\x03\x00" "CXy", 11), Edition::TwoHead, out));
    // a job where a curve belongs (class 1 used as a curve)
    std::string nested = bytes;
    const std::size_t curveTag = nested.find("\xFF\xFF\x01\x00\x06\x00" "CCurve");
    ASSERT_NE(curveTag, std::string::npos);
    nested.replace(curveTag, 12, std::string("\x01\x80", 2));
    EXPECT_FALSE(TaskArchive::Read(nested, Edition::TwoHead, out));
}

TEST(TaskFile, SavesWholeAndRefusesMissingOrDamagedFiles) {
    namespace fs = std::filesystem;
    const test::ScratchDir scratch("task");
    const fs::path& dir = scratch.Path();
    const std::string path = (dir / "queue.pvtask").string();
    Queue q;
    FillSample(q.list);
    std::string message;
    ASSERT_EQ(TaskFile::Save(path, Edition::TwoHead, 1, q.list, &message), kTaskOk) << message;
    Queue r;
    ASSERT_EQ(TaskFile::Open(path, Edition::TwoHead, 1, r.list, &message), kTaskOk);
    EXPECT_EQ(r.list.Count(), 2);
    EXPECT_EQ(TaskFile::Open((dir / "none.pvtask").string(), Edition::TwoHead, 0, r.list, &message),
              kTaskCannotOpen);
    EXPECT_EQ(message, "打开文档失败。");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string("\x01\x00\xFF", 3);
    EXPECT_EQ(TaskFile::Open(path, Edition::TwoHead, 1, r.list, &message), kTaskDamaged);
    EXPECT_EQ(r.list.Count(), 2);
}

// A file is read block by block as the reading goes: a queue larger than a
// block reads back the same from disk as from memory, a file of zeros as
// large as the limit is refused after its first bytes without being held in
// memory, and a file beyond the limit is refused unread.
TEST(TaskFile, IsReadIncrementallyAndItsSizeCheckedFirst) {
    namespace fs = std::filesystem;
    const test::ScratchDir scratch("task");
    const std::string path = scratch.File("big.pvtask");
    Queue q;
    auto job = std::make_unique<COnePage>();
    job->filePath = "/w/long.plt";
    job->fileName = "long.plt";
    CCurve c;
    c.kind = kDrawn;
    for (std::int32_t i = 0; i < 30000; ++i) c.points.push_back({i, i % 977});   // 240 kB of points
    c.CalcBounds();
    for (int k = 0; k < 3; ++k) job->curves.push_back(c);
    job->CalcBounds();
    q.list.AutoDirJobs.push_back(std::move(job));
    std::string message;
    ASSERT_EQ(TaskFile::Save(path, Edition::TwoHead, 1, q.list, &message), kTaskOk) << message;
    ASSERT_GT(fs::file_size(path), 3u * 65536u);
    Queue r;
    ASSERT_EQ(TaskFile::Open(path, Edition::TwoHead, 1, r.list, &message), kTaskOk) << message;
    EXPECT_EQ(TaskArchive::Write(r.list, Edition::TwoHead), TaskArchive::Write(q.list, Edition::TwoHead));

    // 1 GiB of zeros (a sparse file): three empty collections, then bytes
    // that do not belong.
    const std::string zeros = scratch.File("zeros.pvtask");
    const auto peakKb = [] {
        struct rusage u {};
        getrusage(RUSAGE_SELF, &u);
        return u.ru_maxrss;
    };
    {
        std::ofstream(zeros, std::ios::binary);
        fs::resize_file(zeros, TaskFile::kMaxBytes);
    }
    const long before = peakKb();
    Queue z;
    EXPECT_EQ(TaskFile::Open(zeros, Edition::TwoHead, 1, z.list, &message), kTaskDamaged);
    EXPECT_NE(message.find("bytes after the end"), std::string::npos) << message;
    EXPECT_LT(peakKb() - before, 64 * 1024) << "the file was held in memory";

    fs::resize_file(zeros, TaskFile::kMaxBytes + 1);
    EXPECT_EQ(TaskFile::Open(zeros, Edition::TwoHead, 1, z.list, &message), kTaskCannotOpen);
    EXPECT_NE(message.find("too large"), std::string::npos) << message;
    EXPECT_EQ(z.list.Count(), 0);
}

}  // namespace
}  // namespace pv
