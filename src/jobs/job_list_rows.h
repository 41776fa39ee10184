#pragma once
// What the job list shows: its eight columns in the user's language, their
// widths and alignment, its colours, and the texts of one row per job.
#include <array>
#include <cstdint>
#include <string>

#include "jobs/job_list.h"
#include "settings/edition.h"

namespace pv {

struct ListColour {
    std::uint8_t r, g, b;
};

struct JobListColumn {
    std::string title;
    int width = 0;       // pixels
    bool centred = false;
};

using JobRowTexts = std::array<std::string, 8>;

class JobListRows {
public:
    static constexpr int kColumns = 8;
    static constexpr ListColour kBackground{250, 250, 236};   // also the text background
    static constexpr ListColour kText{0, 0, 255};

    // The columns for `language` (an unknown language gets the English ones).
    static std::array<JobListColumn, kColumns> Columns(int language, Edition edition);
    // The texts of the row of the job at display index `index`.
    static JobRowTexts Row(const JobList& jobs, std::int32_t index, int language);
    // "%04d-%02d-%02d %02d:%02d:%02d" in local time; 0000-00-00 -1:-1:-1 when
    // the time cannot be converted.
    static std::string FormatTime(std::int64_t secondsSinceEpoch);
};

}  // namespace pv
