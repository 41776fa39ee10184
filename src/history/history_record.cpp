#include "history/history_record.h"

namespace pv {

namespace {
constexpr const char* kResults[] = {"running", "finished", "stopped", "failed", "interrupted"};
constexpr const char* kOrigins[] = {"manual-add", "manual-folder", "auto-folder", "network", "command-line"};
}  // namespace

const char* CopyResultName(CopyResult r) { return kResults[static_cast<int>(r)]; }

std::optional<CopyResult> CopyResultFromName(const std::string& name) {
    for (int k = 0; k < 5; ++k)
        if (name == kResults[k]) return static_cast<CopyResult>(k);
    return std::nullopt;
}

const char* JobOriginName(JobOrigin o) { return kOrigins[static_cast<int>(o)]; }

std::optional<JobOrigin> JobOriginFromName(const std::string& name) {
    for (int k = 0; k < 5; ++k)
        if (name == kOrigins[k]) return static_cast<JobOrigin>(k);
    return std::nullopt;
}

}  // namespace pv
