#include "jobs/task_archive.h"

#include <algorithm>

#include "jobs/archive_reader.h"
#include "jobs/archive_writer.h"

namespace pv {
namespace {

constexpr int kPage = 0;
constexpr int kCurve = 1;
const std::vector<std::string_view> kClasses{TaskArchive::kPageClass, TaskArchive::kCurveClass};

// The smallest stored curve and page, for checking counts against the bytes
// that remain: a class reference and the fixed fields.
constexpr std::size_t kMinCurveBytes = 2 + 12 + 24 + 2;
constexpr std::size_t kMinObjectBytes = 2;
// Elements reserved before they are read; more come as they are read.
constexpr std::uint32_t kReservedAhead = 1 << 16;

void WriteCurve(ArchiveWriter& w, const CCurve& c) {
    w.BeginObject(TaskArchive::kCurveClass, 1);
    w.WriteString(TaskArchive::kCurveTag);
    w.WriteI32(c.kind);
    w.WriteI32(c.maxX);
    w.WriteI32(c.maxY);
    w.WriteI32(c.minX);
    w.WriteI32(c.minY);
    w.WriteI32(c.lineType);
    w.WriteCount(c.points.size());
    for (const Point& p : c.points) {
        w.WriteI32(p.x);
        w.WriteI32(p.y);
    }
}

void WritePage(ArchiveWriter& w, const COnePage& p, Edition edition) {
    w.BeginObject(TaskArchive::kPageClass, 1);
    w.WriteI32(p.jobState);
    w.WriteI32(p.copies);
    if (!IsFourHead(edition)) {
        w.WriteI32(p.cutMaxX);
        w.WriteI32(p.cutMaxY);
        w.WriteI32(p.plotMaxX);
        w.WriteI32(p.plotMaxY);
    }
    w.WriteI32(p.maxX);
    w.WriteI32(p.minX);
    w.WriteI32(p.maxY);
    w.WriteI32(p.minY);
    if (!IsFourHead(edition)) w.WriteString(p.filePath);
    w.WriteString(p.fileName);
    w.WriteI64(p.fileTime);
    w.WriteCount(p.curves.size());
    for (const CCurve& c : p.curves) WriteCurve(w, c);
}

void WriteCollection(ArchiveWriter& w, const JobCollection& jobs, Edition edition) {
    w.WriteCount(jobs.size());
    for (const auto& j : jobs) WritePage(w, *j, edition);
}

bool ReadCurve(ArchiveReader& r, CCurve& c) {
    r.ReadString();   // the tag, not checked
    c.kind = r.ReadI32();
    c.maxX = r.ReadI32();
    c.maxY = r.ReadI32();
    c.minX = r.ReadI32();
    c.minY = r.ReadI32();
    c.lineType = r.ReadI32();
    const std::uint32_t n = r.ReadCount(8);
    // Grown as the points are read, so a count the file cannot back costs
    // no more memory than the bytes that are really there.
    c.points.reserve(std::min<std::uint32_t>(n, kReservedAhead));
    for (std::uint32_t i = 0; i < n && !r.Failed(); ++i) {
        const std::int32_t x = r.ReadI32();
        const std::int32_t y = r.ReadI32();
        c.points.push_back({x, y});
    }
    return !r.Failed();
}

bool ReadPage(ArchiveReader& r, COnePage& p, Edition edition) {
    p.jobState = r.ReadI32();
    p.copies = r.ReadI32();
    if (!IsFourHead(edition)) {
        p.cutMaxX = r.ReadI32();
        p.cutMaxY = r.ReadI32();
        p.plotMaxX = r.ReadI32();
        p.plotMaxY = r.ReadI32();
    }
    p.maxX = r.ReadI32();
    p.minX = r.ReadI32();
    p.maxY = r.ReadI32();
    p.minY = r.ReadI32();
    if (!IsFourHead(edition)) p.filePath = r.ReadString();
    p.fileName = r.ReadString();
    p.fileTime = r.ReadI64();
    // a restored queue never shows a job as printing or finished
    if (p.jobState > 0) p.jobState = kJobWaiting;
    const std::uint32_t n = r.ReadCount(kMinObjectBytes);
    p.curves.reserve(std::min<std::size_t>({n, r.Remaining() / kMinCurveBytes + 1, kReservedAhead}));
    for (std::uint32_t i = 0; i < n && !r.Failed(); ++i) {
        const int cls = r.BeginObject(kClasses);
        if (r.Failed()) break;
        if (cls < 0) continue;   // a null entry holds nothing
        if (cls != kCurve) {
            r.Fail("a job where a curve belongs");
            break;
        }
        CCurve c;
        if (ReadCurve(r, c)) p.curves.push_back(std::move(c));
    }
    return !r.Failed();
}

bool ReadCollection(ArchiveReader& r, JobCollection& jobs, Edition edition) {
    const std::uint32_t n = r.ReadCount(kMinObjectBytes);
    for (std::uint32_t i = 0; i < n && !r.Failed(); ++i) {
        const int cls = r.BeginObject(kClasses);
        if (r.Failed()) break;
        if (cls < 0) continue;
        if (cls != kPage) {
            r.Fail("a curve where a job belongs");
            break;
        }
        auto page = std::make_unique<COnePage>();
        // Fields the record does not hold start as for a new job.
        page->copies = 1;
        page->startPosMm = 0;
        page->queued = 0;
        page->listSelected = 0;
        page->fileSize = 0;
        if (ReadPage(r, *page, edition)) jobs.push_back(std::move(page));
    }
    return !r.Failed();
}

}  // namespace

std::string TaskArchive::Write(const JobList& jobs, Edition edition) {
    ArchiveWriter w;
    WriteCollection(w, jobs.OpenedJobs, edition);
    WriteCollection(w, jobs.ManDirJobs, edition);
    WriteCollection(w, jobs.AutoDirJobs, edition);
    return w.Take();
}

namespace {

bool ReadStream(ArchiveReader& r, Edition edition, TaskJobs& out, std::string* error) {
    ReadCollection(r, out.opened, edition) && ReadCollection(r, out.manDir, edition) &&
        ReadCollection(r, out.autoDir, edition);
    if (!r.Failed() && !r.AtEnd()) r.Fail("bytes after the end of the queue");
    if (r.Failed() && error) *error = r.Error();
    return !r.Failed();
}

}  // namespace

bool TaskArchive::Read(std::string_view bytes, Edition edition, TaskJobs& out, std::string* error) {
    ArchiveReader r(bytes);
    return ReadStream(r, edition, out, error);
}

bool TaskArchive::ReadFile(RegularFile& file, std::uint64_t size, Edition edition, TaskJobs& out,
                           std::string* error) {
    ArchiveReader r(file, size);
    return ReadStream(r, edition, out, error);
}

bool TaskArchive::ReadInto(std::string_view bytes, Edition edition, JobList& jobs, std::string* error) {
    TaskJobs read;
    if (!Read(bytes, edition, read, error)) return false;
    jobs.OpenedJobs = std::move(read.opened);
    jobs.ManDirJobs = std::move(read.manDir);
    jobs.AutoDirJobs = std::move(read.autoDir);
    jobs.CurrentJobIndex = 0;
    return true;
}

}  // namespace pv
