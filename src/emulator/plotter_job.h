#pragma once
// What the virtual plotter received for one job, kept for its recording.
#include <cstdint>
#include <string>
#include <vector>

#include "output/cut_record.h"
#include "params/machine_params.h"
#include "settings/edition.h"

namespace pv {

struct PlotterBand {
    int order = 0;                        // place among the job's bands and cut segments, from 0
    std::int32_t index = 0;
    bool reverse = false;
    std::uint8_t constant = 0;            // the header's last byte (always 1 from the program)
    std::size_t bytesReceived = 0;        // bulk bytes before the header, padding included
    std::vector<std::uint8_t> data;       // those bytes, kept only while recording
};

struct PlotterCutSegment {
    int order = 0;                        // place among the job's bands and cut segments, from 0
    std::int32_t recordCount = 0;         // the header's count
    bool complete = true;                 // false when fewer bytes than 12 per record arrived
    std::vector<CutRecord> records;
};

struct PlotterJob {
    int number = 0;                       // 1, 2, ... in the order the jobs started
    Edition edition = Edition::TwoHead;
    MachineParams params;                 // the records the machine held at the job start
    std::int32_t paperLength = 0;         // feed motor pulses
    std::int32_t columnCount = 0;
    std::vector<PlotterBand> bands;
    std::vector<PlotterCutSegment> cutSegments;
    std::vector<std::uint8_t> commands;   // one-byte commands during the job, polls left out
    std::int64_t polls = 0;
    std::int64_t bandBytes = 0;           // bulk bytes of bands, padding included
    // "complete" (job-complete command), "stopped" (stop command), "left"
    // (the machine left the printing state), "replaced" (a new job started).
    std::string ending;
};

}  // namespace pv
