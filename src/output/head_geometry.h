#pragma once
// Which cartridges print a band, which dots of the band each one prints and
// where its bytes sit in a firing column.
//
// A column holds 22 primitive bytes per slot.  The two-head machine always
// sends two slots (44 bytes: head 1# then head 2#), a head that does not
// print leaving its slot zero.  The four-head machine sends one slot per
// cartridge of the head combination (22 to 88 bytes), in the order 1#..4#.
//
// Slot s prints nozzles skip..149 at the dots dotStart … dotStart+149-skip;
// the next slot starts on the dot after, skipping as many of its first
// nozzles as the two cartridges overlap.
#include <array>
#include <cstdint>
#include <vector>

#include "output/raster_config.h"

namespace pv {

struct HeadSlot {
    int cartridge = 1;      // 1..4 (1# .. 4#)
    bool fires = true;      // false: the slot's bytes stay zero
    int dotStart = 0;       // first dot of the band this slot prints
    int skip = 0;           // nozzles 0..skip-1 never fire
    int posLeft = 0;        // carriage column of the cartridge printing leftwards
    int posRight = 0;       // … rightwards
    int byteOffset = 0;     // of the slot's 22 bytes inside a column
};

// Where a dot of a bitmap row goes: bit `bit` of byte `byte` of the column
// (byte < 0: the dot is not printed by this band).
struct DotTarget {
    std::int16_t byte = -1;
    std::uint8_t bit = 0;
    std::uint8_t slot = 0;
};

class HeadGeometry {
public:
    explicit HeadGeometry(const RasterConfig& config);

    int SlotCount() const { return slotCount_; }
    const HeadSlot& Slot(int s) const { return slots_[static_cast<std::size_t>(s)]; }

    // Band step S in dots (150 for one cartridge; less the overlaps for more).
    int BandStep() const { return bandStep_; }
    // Head offset maximum M in columns.
    int MaxOffset() const { return maxOffset_; }
    // Bytes per firing column: 44 on the two-head machine, 22..88 on the other.
    int BytesPerColumn() const { return 22 * slotCount_; }
    // Bitmap width in dots: 320 or 640.
    int BitmapWidth() const { return bitmapWidth_; }
    // One cartridge prints.
    bool SingleHead() const { return singleHead_; }
    // The band lays out ColumnCount rows instead of the rows the drawing
    // can reach: either head alone on the two-head machine, 1# alone on the
    // four-head machine.  2# alone is laid out like the multi-cartridge
    // combinations: at 2#'s own positions the ColumnCount rule would push
    // the rows below 2#'s position past the last column sent.
    bool PlacesColumnCountRows() const { return columnCountRows_; }
    // Cartridges that print (1..4).
    int FiringCount() const { return firingCount_; }

    const std::vector<DotTarget>& DotTargets() const { return targets_; }

    static constexpr int kTwoHeadBitmapWidth = 320;
    static constexpr int kFourHeadBitmapWidth = 640;

private:
    void buildTwoHead(const RasterConfig& c);
    void buildFourHead(const RasterConfig& c);
    void buildTargets();

    std::array<HeadSlot, 4> slots_{};
    int slotCount_ = 2;
    int firingCount_ = 2;
    int bandStep_ = 298;
    int maxOffset_ = 0;
    int bitmapWidth_ = kTwoHeadBitmapWidth;
    bool singleHead_ = false;
    bool columnCountRows_ = false;
    std::vector<DotTarget> targets_;
};

}  // namespace pv
