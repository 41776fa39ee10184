#pragma once
// Clipping the knife curves of the prepared page into cut segments: each
// segment covers the paper of one group of inkjet bands, shifted by the
// print/cut registration, and becomes a list of knife records in motor
// pulses.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/curve.h"
#include "output/cut_record.h"
#include "params/machine_params.h"
#include "settings/edition.h"

namespace pv {

// How plotter units become knife pulses and how long a cut segment is.
struct CutFrame {
    double registrationX = 0;    // 0.1 mm, print/cut registration along the feed
    double registrationY = 0;    // 0.1 mm, across the paper (four-head: plus 130.0 mm)
    double feedPulses = 0;       // feed-axis pulses per mm ×100
    double carriagePulses = 0;   // carriage-axis pulses per mm ×100
    std::int64_t bandsPerSegment = 1;
    std::int64_t bandStep = 1;   // dots of paper per band

    // The machine's values; `bandStep` is the raster's band step for the
    // head selection.  Bands per cut segment below 1 count as 1.
    static CutFrame From(const MachineParams& params, Edition edition, int bandStep);

    double FeedPulsesAt(std::int32_t x) const;       // x in plotter units
    double CarriagePulsesAt(std::int32_t y) const;   // y in plotter units
};

// Feed position, in pulses, where cut segment k begins (segment k ends where
// k + 1 begins; both ends belong to it).
std::int64_t CutWindowStart(std::int64_t k, const CutFrame& frame);

// Appends the records of one knife curve for the feed window lo..hi
// (pulses, both ends inside): a move to where the curve enters the window,
// then the curve's cut code to each vertex inside and to where it leaves.
// Curves of a kind without a knife code give nothing.
void ClipToFeedWindow(const CCurve& curve, std::int64_t lo, std::int64_t hi, const CutFrame& frame,
                      std::vector<CutRecord>& out);
// The same for the curve's segments from point `first` to point `last`
// (first < last < point count) only: exactly the records the whole curve's
// clipping gives for those segments.  Segments whose two ends lie before the
// window, or both after it, give nothing, so a long curve is clipped piece
// by piece where it reaches into the window.
void ClipPartToFeedWindow(const CCurve& curve, std::size_t first, std::size_t last, std::int64_t lo,
                          std::int64_t hi, const CutFrame& frame, std::vector<CutRecord>& out);

}  // namespace pv
