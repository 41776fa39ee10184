#include "output/head_geometry.h"

#include <algorithm>

#include "output/nozzle_map.h"

namespace pv {
namespace {

int clampOverlap(int v) { return std::clamp(v, 0, kNozzlesPerHead); }

// Cartridges of each four-head combination, in slot order.
struct Combination {
    int count;
    std::array<int, 4> cartridges;
};
constexpr std::array<Combination, 6> kCombinations{{
    {2, {1, 2, 0, 0}},
    {1, {1, 0, 0, 0}},
    {1, {2, 0, 0, 0}},
    {4, {1, 2, 3, 4}},
    {3, {1, 2, 3, 0}},
    {3, {2, 3, 4, 0}},
}};

}  // namespace

HeadGeometry::HeadGeometry(const RasterConfig& c) {
    if (IsFourHead(c.edition))
        buildFourHead(c);
    else
        buildTwoHead(c);
    bandStep_ = 0;
    for (int s = 0; s < slotCount_; ++s)
        if (slots_[s].fires) bandStep_ += kNozzlesPerHead - slots_[s].skip;
    buildTargets();
}

void HeadGeometry::buildTwoHead(const RasterConfig& c) {
    bitmapWidth_ = kTwoHeadBitmapWidth;
    slotCount_ = 2;
    for (int s = 0; s < 2; ++s) {
        slots_[s].cartridge = s + 1;
        slots_[s].posLeft = c.posLeft[s];
        slots_[s].posRight = c.posRight[s];
        slots_[s].byteOffset = 22 * s;
    }
    // Only 1# (1) or only 2# (2); any other value prints with both.
    if (c.headSelect == 1 || c.headSelect == 2) {
        singleHead_ = true;
        columnCountRows_ = true;
        firingCount_ = 1;
        const int on = c.headSelect - 1;
        slots_[on].fires = true;
        slots_[on].dotStart = 0;   // the selected head prints dots 0..149
        slots_[on].skip = 0;
        slots_[1 - on].fires = false;
    } else {
        singleHead_ = false;
        firingCount_ = 2;
        slots_[0].fires = slots_[1].fires = true;
        slots_[0].dotStart = 0;
        slots_[0].skip = 0;
        slots_[1].dotStart = kNozzlesPerHead;
        slots_[1].skip = clampOverlap(c.overlap[0]);
    }
    maxOffset_ = std::max({c.posLeft[0], c.posLeft[1], c.posRight[0], c.posRight[1]});
}

void HeadGeometry::buildFourHead(const RasterConfig& c) {
    bitmapWidth_ = kFourHeadBitmapWidth;
    // A combination outside 0..5 prints as 0 (1# and 2#).
    const int combination = (c.headSelect >= 0 && c.headSelect <= 5) ? c.headSelect : 0;
    const Combination& comb = kCombinations[static_cast<std::size_t>(combination)];
    slotCount_ = comb.count;
    firingCount_ = comb.count;
    singleHead_ = comb.count == 1;
    columnCountRows_ = combination == 1;
    int dot = 0;
    for (int s = 0; s < comb.count; ++s) {
        HeadSlot& slot = slots_[s];
        slot.cartridge = comb.cartridges[s];
        slot.fires = true;
        slot.byteOffset = 22 * s;
        // Each cartridge sits at its own position fields, also in the
        // combinations that leave 1# out.
        slot.posLeft = c.posLeft[slot.cartridge - 1];
        slot.posRight = c.posRight[slot.cartridge - 1];
        // The overlap with the previous cartridge: 1#/2# is overlap[0] …
        slot.skip = (s == 0) ? 0 : clampOverlap(c.overlap[slot.cartridge - 2]);
        slot.dotStart = dot;
        dot += kNozzlesPerHead - slot.skip;
    }
    const HeadSlot& first = slots_[0];
    const HeadSlot& last = slots_[comb.count - 1];
    maxOffset_ = std::max({first.posLeft, first.posRight, last.posLeft, last.posRight});
}

void HeadGeometry::buildTargets() {
    targets_.assign(static_cast<std::size_t>(bitmapWidth_), DotTarget{});
    for (int s = 0; s < slotCount_; ++s) {
        const HeadSlot& slot = slots_[s];
        if (!slot.fires) continue;
        for (int k = slot.skip; k < kNozzlesPerHead; ++k) {
            const int dot = slot.dotStart + k - slot.skip;
            if (dot < 0 || dot >= bitmapWidth_) continue;
            DotTarget& t = targets_[static_cast<std::size_t>(dot)];
            t.byte = static_cast<std::int16_t>(slot.byteOffset + NozzlePrimitive(k));
            t.bit = static_cast<std::uint8_t>(NozzleAddress(k));
            t.slot = static_cast<std::uint8_t>(s);
        }
    }
}

}  // namespace pv
