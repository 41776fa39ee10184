#pragma once
// Breaking full cuts into knife work the paper survives: full cuts with
// half-cut bridges that keep the pieces in the sheet, or rows of punched
// dots.  Lengths in plotter units (1/40 mm).
#include <cstdint>

#include "geometry/one_page.h"

namespace pv {

// Every full cut of at least 1.2·a becomes full cuts of a − b separated by
// bridges (half cuts) of b, ending in a full cut shorter than 1.2·a.
// a is the full-cut length, b the bridge; nothing happens unless both are
// positive.  Half cuts and dotted curves are left as they are.
void MakeBridges(COnePage& page, std::int32_t a, std::int32_t b);

// Every full cut of at least b becomes a dotted line: gaps of a − b and dots
// of b, ending in a gap.  a is the dot spacing, b the dot length; nothing
// happens unless both are positive.
void MakeDotted(COnePage& page, std::int32_t a, std::int32_t b);

}  // namespace pv
