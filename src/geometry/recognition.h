#pragma once
// Outline and notch recognition: which lines of a one-pen drawing are the
// outer contours of pieces (cut) and which are inner lines, notches and marks
// (drawn).  All lengths are plotter units (1/40 mm) unless given in mm.
#include "geometry/one_page.h"

namespace pv {

struct AppSettings;

// Reading-sequence step 5: outline search when SearchOutline is on and not
// barred by DoNotFindOutlineIfSp2Exist (the bar applies only to a page that
// already holds drawn and cut lines).
void RecognizeOnRead(COnePage& page, const AppSettings& settings);

// Reading-sequence step 9: U-notch recognition when FindUNotch is 1.
void RecognizeUNotchesOnRead(COnePage& page, const AppSettings& settings);

// The whole outline recognition: joins, T/I notches first when asked
// (FindTCutFirst, FindICutFirst), closed contours of at least 8 x 8 mm and
// 400 mm² become cut outlines, everything inside them drawn, T notches cut
// when CutNotch is on.
void FindOutlines(COnePage& page, const AppSettings& settings);

// Splits T notches (cross bar, half-way back, stem) off the start and end of
// the curves.
void FindTNotches(COnePage& page);

// Splits I notches (one short stroke at about a right angle) off the start
// and end of the curves.
void FindINotches(COnePage& page);

// Outlines that lie inside other outlines, and every line inside an outline,
// become drawn lines with role 4.
void MarkInnerLines(COnePage& page);

// U notches in cut lines become drawn marks; the cut runs straight across
// their mouth.
void FindUNotches(COnePage& page);

}  // namespace pv
