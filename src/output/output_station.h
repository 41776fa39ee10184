#pragma once
// What output generation keeps for the job being printed: the prepared copy
// `PrintPage`, the band counts, the settings and machine values taken when
// it was prepared, and the buffers that build its bands and cut segments
// (allocated once, reused for every print).  One long-lived object, refilled
// by every preparation and read by the print driver while it runs; nothing
// changes it meanwhile.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "geometry/one_page.h"
#include "output/band_builder.h"
#include "output/cut_clip.h"
#include "output/cut_segment_builder.h"
#include "output/raster_config.h"
#include "settings/edition.h"

namespace pv {

class OutputStation {
public:
    COnePage PrintPage;
    std::int32_t BandCount = 0;       // bands covering the whole prepared drawing
    std::int32_t PlotBandCount = 0;   // bands that carry ink
    std::int32_t ColumnCount = 0;     // firing columns per band; kept when a count had nothing to count

    // Taken when the job was prepared.
    RasterConfig raster;
    bool plotOnly = false;            // inkjet only: no cut segment is sent
    std::int32_t bandStep = 298;      // dots of paper per band
    std::int32_t bandsPerCutSegment = 8;
    // A preparation is under way (its heavy steps may run on a worker
    // thread): a second one must not start.  Set and read on the thread
    // that prepares.
    bool preparing = false;

    Edition edition() const { return raster.edition; }

    // Makes the band buffers for the raster's edition unless they exist
    // (once per run: they are kept).  Done on the thread that owns the
    // station, before a worker may begin the bands.
    void MakeBandBuffers();
    // Hands PrintPage, the raster settings and ColumnCount to the band
    // buffers (made first if need be): kBandOk or why no band can be built.
    int BeginBands();
    // Builds band a (below PlotBandCount) into BandBytes(); kBandOk or why it
    // failed (the job then fails).
    int BuildBand(std::int32_t a);
    std::span<const std::uint8_t> BandBytes() const;
    // Band a is printed rightwards and sent in reverse column order.
    bool BandReversed(std::int32_t a) const { return raster.bidirectional && (a % 2) != 0; }
    // The band buffers (null before the first BeginBands).
    BandBuilder* Bands() { return bands_.get(); }

    // Sets the knife's frame and mode for the job (keeps the buffers).
    void SetCutFrame(const CutFrame& frame, int cutMode) { cuts_.Reset(frame, cutMode); }
    const CutFrame& Frame() const { return cuts_.Frame(); }
    // The knife records of cut segment i of PrintPage; the count (0: nothing
    // to send).  The records stay in Cuts() until the next call.
    std::size_t BuildCutSegment(std::int64_t i) { return cuts_.Build(i, PrintPage); }
    CutSegmentBuilder& Cuts() { return cuts_; }

    // After a print has ended: the prepared copy and the knife records are
    // freed, so a finished job's machine data does not stay in memory until
    // the next print.  The band buffers, allocated once, and the counts
    // (ColumnCount is kept when a later count has nothing to count) stay.
    void ReleasePrint();

private:
    std::unique_ptr<BandBuilder> bands_;
    Edition bandsEdition_ = Edition::TwoHead;
    CutSegmentBuilder cuts_{CutFrame{}, 0};
};

}  // namespace pv
