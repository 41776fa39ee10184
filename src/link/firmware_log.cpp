#include "link/firmware_log.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace pv {

std::string FirmwareLog::TimePrefix() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    if (localtime_r(&now, &t) == nullptr) return "0-0-0 0:0:0 ";
    char text[64];
    std::snprintf(text, sizeof text, "%d-%d-%d %d:%d:%d ", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec);
    return text;
}

void FirmwareLog::Clear() {
    std::lock_guard guard(lock_);
    read_ = write_ = count_ = 0;
    spaceFreed_.notify_all();
}

void FirmwareLog::Log(const std::string& message) {
    std::unique_lock guard(lock_);
    if (!spaceFreed_.wait_for(guard, std::chrono::milliseconds(kFullWaitMs), [this] { return count_ < kEntries; })) {
        read_ = (read_ + 1) % kEntries;   // nobody reads: the oldest line goes
        --count_;
    }
    write_ = (write_ + 1) % kEntries;
    ring_[static_cast<std::size_t>(write_)] = FirmwareLogEntry{0, TimePrefix() + message};
    ++count_;
}

std::optional<FirmwareLogEntry> FirmwareLog::Take() {
    std::lock_guard guard(lock_);
    if (count_ == 0) return std::nullopt;
    read_ = (read_ + 1) % kEntries;
    --count_;
    spaceFreed_.notify_all();
    return std::move(ring_[static_cast<std::size_t>(read_)]);
}

int FirmwareLog::Count() const {
    std::lock_guard guard(lock_);
    return count_;
}

}  // namespace pv
