#pragma once
// What the print driver needs from a prepared job: the band counts, the
// firing columns per band, the drawing's length along the feed, and the
// bands and cut segments built one at a time as they are due, with the
// settings and machine values taken when the job was prepared.  Output
// generation implements it over `PrintPage`; tests script it.
#include <cstdint>
#include <span>
#include <vector>

#include "output/cut_record.h"

namespace pv {

class PrintJobSource {
public:
    virtual ~PrintJobSource() = default;

    virtual int BandCount() const = 0;          // bands covering the whole drawing
    virtual int PlotBandCount() const = 0;      // bands that carry ink
    virtual int ColumnCount() const = 0;        // firing columns per band
    virtual std::int32_t PageMaxX() const = 0;  // drawing's extent along the feed, 1/40 mm
    virtual int BandsPerCutSegment() const = 0;
    virtual bool PlotOnly() const = 0;          // inkjet only: no cut data is sent
    // Band a is printed rightwards and its columns sent in reverse order.
    virtual bool BandReversed(int a) const = 0;

    // Builds band `a` (< PlotBandCount) and points `bytes` at its compressed
    // data, valid until the next call.  Negative when the band cannot be
    // built (the job then fails).
    virtual int BuildBand(int a, std::span<const std::uint8_t>& bytes) = 0;
    // The knife records of cut segment `i`, in order (possibly none), valid
    // until the next call.
    virtual std::span<const CutRecord> BuildCutSegment(int i) = 0;
};

}  // namespace pv
