#include "link/command_queue.h"

namespace pv {

int CommandQueue::Push(std::uint8_t code) {
    std::lock_guard guard(lock_);
    if (count_ == kSlots) return -1;
    write_ = (write_ + 1) % kSlots;
    slots_[static_cast<std::size_t>(write_)] = code;
    ++count_;
    return 0;
}

std::optional<std::uint8_t> CommandQueue::Pop() {
    std::lock_guard guard(lock_);
    if (count_ == 0) return std::nullopt;
    read_ = (read_ + 1) % kSlots;
    --count_;
    return slots_[static_cast<std::size_t>(read_)];
}

void CommandQueue::Clear() {
    std::lock_guard guard(lock_);
    read_ = write_ = count_ = 0;
}

int CommandQueue::Count() const {
    std::lock_guard guard(lock_);
    return count_;
}

}  // namespace pv
