#include "emulator/plotter_faults.h"

#include <charconv>
#include <utility>

namespace pv {

namespace {

bool ParseCount(std::string_view text, std::int64_t& value) {
    if (text.empty()) return false;
    const auto* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    return r.ec == std::errc() && r.ptr == end && value >= 0 && value <= 1'000'000'000;
}

}  // namespace

std::optional<PlotterFault> ParsePlotterFault(const std::string& word) {
    static const std::pair<const char*, FaultKind> kNames[] = {
        {"refuse-bulk", FaultKind::RefuseBulk},  {"drop-after", FaultKind::DropAfter},
        {"bad-length", FaultKind::BadLength},    {"bad-header", FaultKind::BadHeader},
        {"bad-code", FaultKind::BadCode},        {"leave-after-band", FaultKind::LeaveAfterBand},
        {"busy", FaultKind::Busy},               {"silent", FaultKind::Silent},
    };
    const auto eq = word.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const std::string name = word.substr(0, eq);
    const std::string_view value = std::string_view(word).substr(eq + 1);
    for (const auto& [text, kind] : kNames) {
        if (name != text) continue;
        PlotterFault f;
        f.kind = kind;
        if (kind == FaultKind::Busy) {
            const auto at = value.find('@');
            if (!ParseCount(value.substr(0, at), f.ms)) return std::nullopt;
            if (at != std::string_view::npos && !ParseCount(value.substr(at + 1), f.n)) return std::nullopt;
            return f;
        }
        if (kind == FaultKind::Silent) {
            const auto colon = value.find(':');
            f.ms = 10000;
            if (!ParseCount(value.substr(0, colon), f.n)) return std::nullopt;
            if (colon != std::string_view::npos && !ParseCount(value.substr(colon + 1), f.ms)) return std::nullopt;
            return f.n >= 1 ? std::optional(f) : std::nullopt;
        }
        if (!ParseCount(value, f.n)) return std::nullopt;
        if (kind != FaultKind::LeaveAfterBand && f.n < 1) return std::nullopt;
        return f;
    }
    return std::nullopt;
}

const char* PlotterFaultHelp() {
    return "  refuse-bulk=N       refuse the Nth bulk packet of a job\n"
           "  drop-after=N        close the connection after the Nth frame of a job\n"
           "  bad-length=N        answer the Nth frame of a job with a reply of the wrong length\n"
           "  bad-header=N        ... with a wrong first byte\n"
           "  bad-code=N          ... without echoing the command code\n"
           "  leave-after-band=N  leave the printing state after band N\n"
           "  busy=MS[@N]         stay busy for MS ms after band N (default 0)\n"
           "  silent=N[:MS]       stop answering from the Nth frame of a job for MS ms (default 10000)\n"
           "  (the job-start block is frame 1; every fault fires once)\n";
}

}  // namespace pv
