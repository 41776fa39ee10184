#pragma once
// The order in which the print driver sends a prepared job: bands and cut
// segments interleaved so that each cut segment follows the bands whose
// paper it cuts.  With 8 bands per cut segment: bands 0-7, cut segment 0,
// bands 8-15, cut segment 1, … ; band steps go on past the last band (they
// send nothing) until every cut segment has been sent.
#include <cstdint>

namespace pv {

struct SendStep {
    enum class Kind { Band, Cut, Done };
    Kind kind = Kind::Done;
    std::int32_t index = 0;   // band index or cut segment index
    friend bool operator==(const SendStep&, const SendStep&) = default;
};

class StreamOrder {
public:
    // bandCount: bands of the whole drawing; bandsPerCutSegment below 1
    // counts as 1.
    StreamOrder(std::int32_t bandCount, std::int32_t bandsPerCutSegment);

    // The step due now (Done once the job is through).
    SendStep Current() const;
    // The current step is done (a band step that failed is not advanced but
    // tried again).
    void Advance();

    std::int32_t CutSegmentCount() const { return cutSegments_; }

private:
    std::int64_t bands_;
    std::int64_t perSegment_;
    std::int32_t cutSegments_;
    std::int64_t band_ = 0;
    std::int64_t cut_ = 0;
};

// Whether a band step carries data: only bands below PlotBandCount are built
// and sent; later band steps only count.
inline bool BandStepSendsData(std::int32_t band, std::int32_t plotBandCount) { return band < plotBandCount; }

// Whether a cut segment step may carry data: never in inkjet-only mode, nor
// for a segment index beyond the band count.
inline bool CutStepMaySend(std::int32_t segment, std::int32_t bandCount, bool plotOnly) {
    return !plotOnly && segment <= bandCount;
}

}  // namespace pv
