#include "output/cut_segment_builder.h"

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

std::size_t CutSegmentBuilder::Build(std::int64_t k, const COnePage& page) {
    records_.clear();
    const std::int64_t lo = WindowStart(k);
    const std::int64_t hi = WindowStart(k + 1);
    for (const CCurve& c : page.curves) {
        if (c.kind >= kFullCut) ClipToFeedWindow(c, lo, hi, frame_, records_);
    }
    TidyCutRecords(records_, cutMode_);
    return records_.size();
}

int CutSegmentBuilder::Pack() { return PackCutRecords(records_, wire_); }

}  // namespace pv
