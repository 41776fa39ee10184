#pragma once
// What the drawing view's pointer finds on a page: the curve under a click,
// the curves a rubber band covers, and moving the selection.  Click tests
// work in view pixels (through the view's mapping), the band's crossing
// rule in plotter units.
#include <cstdint>

#include "geometry/curve.h"
#include "geometry/one_page.h"
#include "geometry/view_mapping.h"

namespace pv {

// True when the pixel p lies in the rectangle around one of the curve's
// segments that reaches 4 pixels beyond each end and 4 pixels to each side.
bool HitTest(const CCurve& curve, const ViewMapping& view, PixelPoint p);

// True when every point of the curve, in view pixels, lies inside r.
bool IsInsideRect(const CCurve& curve, const ViewMapping& view, const PixelRect& r);

// A rectangle of plotter units (inclusive corners, min <= max).
struct WorldRect {
    std::int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
    static WorldRect Spanning(Point a, Point b);
};

// True when a segment at least 5 units long crosses one of the rectangle's
// edges properly: the crossing lies strictly inside both the segment and the
// edge (touching, or running along an edge, is no crossing).
bool CrossesRectEdge(const CCurve& curve, const WorldRect& r);

// Click: for kinds 0 to 9 in turn, and within a kind in list order, the
// first curve hit at p toggles its selection (drawn lines are thus found
// before cut lines).  The index of that curve, or -1.
std::int32_t PickAt(COnePage& page, const ViewMapping& view, PixelPoint p);

// Rubber band from the press pixel to the release pixel: selects every curve
// lying wholly inside; dragged from left to right it also selects the curves
// that cross an edge.  Returns how many curves became selected.
std::int32_t SelectInBand(COnePage& page, const ViewMapping& view, PixelPoint press, PixelPoint release);

void SelectAll(COnePage& page);

// Moves the selected curves by (dx, dy) units and keeps them in the first
// quadrant: a selection pushed below X 0 (or Y 0) is moved back to 0 in that
// axis.  Recomputes the selection bounds and the page extents.
void MoveSelection(COnePage& page, std::int32_t dx, std::int32_t dy);

}  // namespace pv
