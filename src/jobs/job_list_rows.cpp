#include "jobs/job_list_rows.h"

#include <cstdio>
#include <ctime>

namespace pv {
namespace {

// Column titles by language: 0 Chinese, 1/5 English, 2 Turkish, 3 Ukrainian,
// 4 Russian, 6 Polish.
constexpr const char* kTitles[7][8] = {
    {"序号", "状态(排队)", "文件来源", "宽度*长度", "份数", "起始位置", "修改时间", "文件名"},
    {"No.", "State(A)", "From", "Size(X*Y)mm", "Copies", "Start At", "MTime", "File Name"},
    {"No.", "State(A)", "From", "Ebat (X*Y)mm", "Kopyalar", "Baslat", "Msuresi", "Dosya"},
    {"пор. Номер", "Статус (в черзi)", "додано файл", "Ширина * Довжина", "копiй", "Початкова точка",
     "Змінено", "файл"},
    {"пор. номер", "Статус (в очереди)", "добавлен файл", "Ширина * Длина", "копiй", "Начальная точка",
     "Изменён", "файл"},
    {"No.", "State(A)", "From", "Size(X*Y)mm", "Copies", "Start At", "MTime", "File Name"},
    {"No.", "Stan(A)", "źródło", "wymiary(X*Y)mm", "porcje", "punkt początkowy", "czas modyfikacji",
     "nazwa pliku"},
};
constexpr int kChineseWidths[8] = {64, 120, 120, 160, 80, 100, 200, 500};
constexpr int kOtherWidths[8] = {64, 100, 120, 160, 80, 120, 200, 500};

std::string Format(const char* fmt, auto... v) {
    char buf[96];
    std::snprintf(buf, sizeof buf, fmt, v...);
    return buf;
}

const char* SourceText(JobSource s, bool chinese) {
    switch (s) {
    case JobSource::Opened: return chinese ? "手动打开" : "Manual Add";
    case JobSource::ManDir: return chinese ? "手动目录" : "Auto Add";
    default: return chinese ? "自动目录" : "Auto Add";
    }
}

}  // namespace

std::array<JobListColumn, JobListRows::kColumns> JobListRows::Columns(int language, Edition edition) {
    const int maxLanguage = IsFourHead(edition) ? 4 : 6;
    if (language < 0 || language > maxLanguage) language = 1;
    const bool chinese = language == 0;
    std::array<JobListColumn, kColumns> cols;
    for (int c = 0; c < kColumns; ++c) {
        cols[c].title = kTitles[language][c];
        cols[c].width = chinese ? kChineseWidths[c] : kOtherWidths[c];
        cols[c].centred = !chinese;
    }
    return cols;
}

std::string JobListRows::FormatTime(std::int64_t t) {
    std::tm tm{};
    const auto tt = static_cast<std::time_t>(t);
    if (static_cast<std::int64_t>(tt) != t || !localtime_r(&tt, &tm))
        return Format("%04d-%02d-%02d %02d:%02d:%02d", 0, 0, 0, -1, -1, -1);
    return Format("%04d-%02d-%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                  tm.tm_min, tm.tm_sec);
}

JobRowTexts JobListRows::Row(const JobList& jobs, std::int32_t index, int language) {
    JobRowTexts row;
    const COnePage* job = jobs.JobAt(index);
    if (!job) return row;
    const JobSource source = jobs.SourceOf(index);
    const bool chinese = language == 0;
    row[0] = Format("%03d", index + 1);
    if (chinese) {
        row[1] = job->jobState != kJobWaiting ? "打印中" : "等待打印";
        if (job->jobState == kJobWaiting && job->queued && source != JobSource::AutoDir) row[1] += "(√)";
    } else {
        row[1] = job->jobState != kJobWaiting ? "Printing" : "Waiting";
    }
    row[2] = SourceText(source, chinese);
    long long w, l;   // mm
    if (source == JobSource::Opened) {
        w = static_cast<long long>(job->maxY / 40.0 + 0.5);
        l = static_cast<long long>(job->maxX / 40.0 + 0.5);
    } else {
        w = (static_cast<long long>(job->maxY) - job->minY) / 40;
        l = (static_cast<long long>(job->maxX) - job->minX) / 40;
    }
    row[3] = Format("%lld * %lld ", w, l);
    row[4] = Format("%d", job->copies);
    row[5] = Format("%dmm", job->startPosMm);
    row[6] = FormatTime(job->fileTime);
    row[7] = job->filePath;
    return row;
}

}  // namespace pv
