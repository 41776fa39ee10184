#pragma once
// Joins open polylines whose ends meet into chains: a garment piece's
// boundary often arrives as many short polylines, one per seam or curve.
#include <cstdint>
#include <vector>

#include "geometry/point.h"

namespace pv {

using Polyline = std::vector<Point>;

// Joins the parts end to end (reversing a part where its end meets the
// chain) while some unused part has an end within `tolerance` plotter units
// (on both axes) of the chain's front or back.  Parts are taken in order, so
// a boundary written in order comes out in that order.  Where two parts are
// joined the shared point is kept once.
std::vector<Polyline> JoinIntoChains(std::vector<Polyline> parts, std::int32_t tolerance);

// Makes the chain end on its first point by appending it, when its ends lie
// within `tolerance` or when `force`.  False when it stays open (and for
// fewer than 3 points, which enclose nothing).
bool CloseChain(Polyline& chain, std::int32_t tolerance, bool force);

}  // namespace pv
