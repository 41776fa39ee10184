#pragma once
// Writes a page back as HPGL in the dialect the reader accepts, so an
// exported file can be added again as a job: pens by curve kind, "LT" for
// dashed lines, coordinates in plotter units (1/40 mm) as stored, unscaled,
// one byte per character and no line breaks.
#include <string>

#include "geometry/one_page.h"

namespace pv {

// The HPGL text of the page.
std::string PltText(const COnePage& page);

// Creates or replaces the file at `path` with the page's HPGL text.  The
// file is written beside the target and renamed over it, so a failure leaves
// an existing file as it was; the page is never changed.  False (with the
// reason in `error`) when the file was not written.
bool WritePlt(const COnePage& page, const std::string& path, std::string* error = nullptr);

}  // namespace pv
