#pragma once
// The knife records of one cut segment at a time, built on the print
// driver's thread just before the segment is due, and their wire form.
// The record list and the wire buffer live as long as the builder and are
// reused for every segment.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "geometry/one_page.h"
#include "output/cut_clip.h"
#include "output/cut_record.h"

namespace pv {

// Tidies the records of one segment: in lift mode (cut mode 1) bridges
// become moves and stay uncut; a run of moves collapses to its last; a move
// to the very point the previous cut ended at is dropped.
void TidyCutRecords(std::vector<CutRecord>& records, int cutMode);

class CutSegmentBuilder {
public:
    CutSegmentBuilder(const CutFrame& frame, int cutMode) : frame_(frame), cutMode_(cutMode) {}

    // Another job's frame and cut mode; the buffers are kept.
    void Reset(const CutFrame& frame, int cutMode) {
        frame_ = frame;
        cutMode_ = cutMode;
    }
    const CutFrame& Frame() const { return frame_; }

    // Feed window of segment k in pulses: [WindowStart(k), WindowStart(k+1)].
    std::int64_t WindowStart(std::int64_t k) const { return CutWindowStart(k, frame_); }

    // Clears the record list, clips every knife curve of `page` in list
    // order into the window of segment k and tidies the list.  Returns the
    // record count (0: nothing to send).
    std::size_t Build(std::int64_t k, const COnePage& page);

    const std::vector<CutRecord>& Records() const { return records_; }

    // Packs the records into the wire buffer: kCutPackOk, or
    // kCutTooManyRecords (more than 65534; nothing may be sent).
    int Pack();
    std::span<const std::uint8_t> Wire() const { return wire_; }
    // Frees the record list and the wire buffer (after a print).
    void Release() {
        std::vector<CutRecord>().swap(records_);
        std::vector<std::uint8_t>().swap(wire_);
    }

private:
    CutFrame frame_;
    int cutMode_;
    std::vector<CutRecord> records_;
    std::vector<std::uint8_t> wire_;
};

}  // namespace pv
