#pragma once
// Five one-byte slots of machine commands (0..15) and parameter writes
// (0x23, 0x24, 0x25) waiting for a link thread.  The user interface pushes;
// LinkLoop and, during a print, the print driver pop.
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>

namespace pv {

class CommandQueue {
public:
    static constexpr int kSlots = 5;

    // 0, or -1 when five codes are already waiting (the code is dropped).
    int Push(std::uint8_t code);
    // The oldest code, or nothing when the queue is empty.
    std::optional<std::uint8_t> Pop();
    void Clear();
    int Count() const;

private:
    mutable std::mutex lock_;
    std::array<std::uint8_t, kSlots> slots_{};
    int read_ = 0;
    int write_ = 0;
    int count_ = 0;
};

}  // namespace pv
