#include "output/cut_segment_builder.h"

#include <algorithm>
#include <limits>

#include "output/saturating_trunc.h"

namespace pv {

void TidyCutRecords(std::vector<CutRecord>& records, int cutMode) {
    if (cutMode == 1) {
        for (CutRecord& r : records) {
            if (r.code == kCodeHalfCut) r.code = kCodeMove;
        }
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const CutRecord& r = records[i];
        if (r.code == kCodeMove) {
            // Of two moves in a row only the later one is kept.
            if (i + 1 < records.size() && records[i + 1].code == kCodeMove) continue;
            // A move to where the knife already is.
            if (n > 0 && records[n - 1].code != kCodeMove && records[n - 1].x == r.x && records[n - 1].y == r.y)
                continue;
        }
        records[n++] = r;
    }
    records.resize(n);
}

namespace {
// Segments per indexed piece of a knife curve.
constexpr std::size_t kPieceSegments = 32;
}  // namespace

// A piece's span is the lowest and highest feed position of its points, in
// whole pulses, exactly as the clipping classifies them.  A piece whose
// points all lie before a window, or all after it, gives that window no
// record (each of its segments has both ends on the same side); every other
// piece is clipped as part of its curve, so the records are those of
// clipping every curve whole.
void CutSegmentBuilder::IndexPage(const COnePage& page) {
    pieces_.clear();
    std::vector<SpanIndex::Span> spans;
    for (std::size_t i = 0; i < page.curves.size(); ++i) {
        const CCurve& c = page.curves[i];
        if (c.kind < kFullCut || CutCodeForKind(c.kind) == 0 || c.points.size() < 2) continue;
        const std::size_t end = c.points.size() - 1;
        for (std::size_t first = 0; first < end; first += kPieceSegments) {
            const std::size_t last = std::min(first + kPieceSegments, end);
            std::int64_t lo = std::numeric_limits<std::int64_t>::max();
            std::int64_t hi = std::numeric_limits<std::int64_t>::min();
            for (std::size_t k = first; k <= last; ++k) {
                const std::int64_t t = TruncToInt64(frame_.FeedPulsesAt(c.points[k].x));
                lo = std::min(lo, t);
                hi = std::max(hi, t);
            }
            spans.push_back({lo, hi, static_cast<std::uint32_t>(pieces_.size())});
            pieces_.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(first),
                               static_cast<std::uint32_t>(last)});
        }
    }
    index_.Build(std::move(spans));
    indexed_ = &page;
    indexedCurves_ = page.curves.size();
}

std::size_t CutSegmentBuilder::Build(std::int64_t k, const COnePage& page) {
    records_.clear();
    const std::int64_t lo = WindowStart(k);
    const std::int64_t hi = WindowStart(k + 1);
    if (indexed_ != &page || indexedCurves_ != page.curves.size()) IndexPage(page);
    // A position v is before the window when v < lo and after it when
    // v > hi (and not before).  A piece gives records unless all its points
    // are before (its highest < lo) or all after (its lowest >= lo and
    // > hi).  With lo > hi (a window running backwards) nothing is inside,
    // and a piece counts when it has points on both sides of lo.
    const std::int64_t last = lo > hi ? lo - 1 : hi;
    hits_.clear();
    index_.Query(lo, last, hits_);
    for (const std::uint32_t id : hits_) {
        const Piece& p = pieces_[id];
        ClipPartToFeedWindow(page.curves[p.curve], p.first, p.last, lo, hi, frame_, records_);
    }
    TidyCutRecords(records_, cutMode_);
    return records_.size();
}

int CutSegmentBuilder::Pack() { return PackCutRecords(records_, wire_); }

}  // namespace pv
