#pragma once
// Shaping of the knife lines of a prepared page before it is cut: halving
// closed outlines, breaking at sharp corners, over-cuts and the drag-knife
// lead-in arcs.  Every operation leaves drawn (ink) curves alone.  Lengths
// are plotter units (1/40 mm).
#include "geometry/curve.h"
#include "geometry/one_page.h"
#include "settings/edition.h"

namespace pv {

// The split of one closed knife curve at its middle height (the halfway Y
// between its lowest and highest point): the points from the first to the
// second crossing of that line, and the rest of the ring.  Each half runs
// toward smaller X.  Runs the closed test on `curve`.  False (halves
// untouched) when the curve is not closed or crosses the line fewer than
// two times.
bool SplitClosedCurveAtMidHeight(CCurve& curve, CCurve& first, CCurve& second);

// Replaces every closed knife curve by its two halves, in place, first
// half first, so symmetric pieces are cut from the middle outward.
void SplitClosedAtMidHeight(COnePage& page);

// Splits every knife curve at each vertex whose turn is sharper than
// `degrees`; the pieces follow each other in the list and share the corner.
void BreakAtCorners(COnePage& page, double degrees);

// Over-cut of d units.  Two-head machine: the last segment of every knife
// curve of 10 mm or more is prolonged.  Four-head machine: both ends are
// (the first point moved back along the first segment too), since that
// machine gets no lead-in arcs.
void ExtendCutEnds(COnePage& page, double d, Edition edition);

// Drag-knife lead-ins of radius r (two-head machine only; nothing on the
// four-head machine and nothing when no curve after the first is a knife
// curve).  A 1 mm start cut along +Y at the origin goes first to set the
// blade; each knife curve then starts with an arc that turns the trailing
// blade from the direction the previous cut left it in.  Repeated points
// are removed and curves left shorter than two points dropped.
void AddLeadIns(COnePage& page, double r, Edition edition);

}  // namespace pv
