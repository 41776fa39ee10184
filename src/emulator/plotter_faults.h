#pragma once
// Faults the virtual plotter can be told to commit, one word each:
//   refuse-bulk=N      acknowledge the Nth bulk packet of a job with 1 (refused)
//   drop-after=N       close the connection after answering the Nth frame of a job
//   bad-length=N       answer the Nth frame of a job with one byte too many
//   bad-header=N       ... with a wrong first byte
//   bad-code=N         ... without echoing the code
//   leave-after-band=N leave the printing state (back to ready) after band N
//   busy=MS[@N]        stay busy for MS ms after band N (default band 0)
//   silent=N[:MS]      stop answering from the Nth frame of a job, for MS ms
//                      (default 10000), on every connection
// Frames are counted from the job-start block (frame 1); bulk packets from the
// first packet after it.  Every fault fires once, so the next job prints
// normally.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pv {

enum class FaultKind {
    RefuseBulk,
    DropAfter,
    BadLength,
    BadHeader,
    BadCode,
    LeaveAfterBand,
    Busy,
    Silent,
};

struct PlotterFault {
    FaultKind kind = FaultKind::RefuseBulk;
    std::int64_t n = 0;      // frame, packet or band number
    std::int64_t ms = 0;     // duration for busy and silent
    bool fired = false;
};

// Parses one fault word; nothing when the word is not understood.
std::optional<PlotterFault> ParsePlotterFault(const std::string& word);
// The text of the accepted words, for help and error messages.
const char* PlotterFaultHelp();

}  // namespace pv
