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
#include "output/span_index.h"

namespace pv {

// Tidies the records of one segment: in lift mode (cut mode 1) bridges
// become moves and stay uncut; a run of moves collapses to its last; a move
// to the very point the previous cut ended at is dropped.
void TidyCutRecords(std::vector<CutRecord>& records, int cutMode);

class CutSegmentBuilder {
public:
    CutSegmentBuilder(const CutFrame& frame, int cutMode) : frame_(frame), cutMode_(cutMode) {}

    // Another job's frame and cut mode; the buffers are kept, the index of
    // the previous page is dropped.
    void Reset(const CutFrame& frame, int cutMode) {
        frame_ = frame;
        cutMode_ = cutMode;
        Forget();
    }
    const CutFrame& Frame() const { return frame_; }

    // Feed window of segment k in pulses: [WindowStart(k), WindowStart(k+1)].
    std::int64_t WindowStart(std::int64_t k) const { return CutWindowStart(k, frame_); }

    // Clears the record list, clips every knife curve of `page` in list
    // order into the window of segment k and tidies the list.  Returns the
    // record count (0: nothing to send).
    //
    // Only the curves that reach into the window are visited, and of a long
    // curve only its pieces that do: the first Build for a page notes the
    // feed span (in pulses) of every piece of 32 segments of every knife
    // curve, and the later ones ask that index.  The page must therefore stay unchanged
    // from its first Build until the next Reset, Forget or Release (as it
    // does while its print runs); another page is indexed anew.
    std::size_t Build(std::int64_t k, const COnePage& page);
    // Drops the index of the last page (its curves are about to change).
    void Forget() {
        index_.Clear();
        std::vector<Piece>().swap(pieces_);
        indexed_ = nullptr;
        indexedCurves_ = 0;
    }

    const std::vector<CutRecord>& Records() const { return records_; }

    // Packs the records into the wire buffer: kCutPackOk, or
    // kCutTooManyRecords (more than 65534; nothing may be sent).
    int Pack();
    std::span<const std::uint8_t> Wire() const { return wire_; }
    // Frees the record list and the wire buffer (after a print).
    void Release() {
        std::vector<CutRecord>().swap(records_);
        std::vector<std::uint8_t>().swap(wire_);
        std::vector<std::uint32_t>().swap(hits_);
        Forget();
    }

private:
    void IndexPage(const COnePage& page);

    CutFrame frame_;
    int cutMode_;
    std::vector<CutRecord> records_;
    std::vector<std::uint8_t> wire_;
    // A run of segments of one knife curve: from point `first` to `last`.
    struct Piece {
        std::uint32_t curve;
        std::uint32_t first, last;
    };
    std::vector<Piece> pieces_;         // in list order, each curve's from its start
    SpanIndex index_;                   // feed spans of the pieces, in pulses
    const COnePage* indexed_ = nullptr;
    std::size_t indexedCurves_ = 0;
    std::vector<std::uint32_t> hits_;   // pieces of the window being built
};

}  // namespace pv
