#pragma once
// The compressed firing data of one band, as sent to the machine: 16-bit
// little-endian words.  Allocated once with a fixed capacity (1,144,000
// bytes on the two-head machine, 2,288,000 on the four-head machine) and
// refilled for every band.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "settings/edition.h"

namespace pv {

class SegmentBuffer {
public:
    explicit SegmentBuffer(std::size_t capacity);
    static std::size_t CapacityFor(Edition e) { return IsFourHead(e) ? 2'288'000 : 1'144'000; }

    std::size_t Capacity() const { return bytes_.size(); }
    std::size_t Length() const { return length_; }
    std::span<const std::uint8_t> Bytes() const { return {bytes_.data(), length_}; }

    void Clear() { length_ = 0; }
    // Appends one word; false (nothing written) when it does not fit.
    bool Put(std::uint16_t word) {
        if (bytes_.size() - length_ < 2) return false;
        bytes_[length_] = static_cast<std::uint8_t>(word & 0xFF);
        bytes_[length_ + 1] = static_cast<std::uint8_t>(word >> 8);
        length_ += 2;
        return true;
    }
    // Appends a zero run (0, n); false when it does not fit.
    bool PutRun(std::uint16_t n) {
        if (bytes_.size() - length_ < 4) return false;
        Put(0);
        Put(n);
        return true;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t length_ = 0;
};

}  // namespace pv
