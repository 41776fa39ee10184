#pragma once
// What the raster draws besides the drawing: the three cleaning bars at
// the start of a section, and the head-cleaning band printed before a job
// (head labels, two groups of five bars and the logo text).  Text runs
// along the sweep (rotated by 270 degrees) in a plain sans-serif face.
#include <cairo.h>

namespace pv {

class BandLayout;

// Three filled bars over dots 0-299: rows 0-18, 20-28 and 30-38.
void PaintSectionBars(cairo_t* cr);

// The head-cleaning band.
void PaintCleaningBand(cairo_t* cr, const BandLayout& layout);

}  // namespace pv
