#pragma once
// The ring of time-stamped progress lines the firmware worker writes and the
// dialog's timer drains into its list.
#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

namespace pv {

struct FirmwareLogEntry {
    int code = 0;          // always 0
    std::string text;      // "Y-M-D h:m:s " followed by the message
};

class FirmwareLog {
public:
    static constexpr int kEntries = 40;
    // A writer that finds the ring full waits this long for the reader, then
    // drops the oldest line rather than block the transfer for good.
    static constexpr int kFullWaitMs = 5000;

    void Clear();
    // Prefixes the local time and stores the line.
    void Log(const std::string& message);
    // The oldest line, or nothing.
    std::optional<FirmwareLogEntry> Take();
    int Count() const;

    static std::string TimePrefix();

private:
    mutable std::mutex lock_;
    std::condition_variable spaceFreed_;
    std::array<FirmwareLogEntry, kEntries> ring_{};
    int read_ = 0;
    int write_ = 0;
    int count_ = 0;
};

}  // namespace pv
