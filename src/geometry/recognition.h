#pragma once
// Outline and notch recognition steps of the reading sequence.
#include "geometry/one_page.h"

namespace pv {

struct AppSettings;

// Reading-sequence step 5: outline search when SearchOutline is on and not
// barred by DoNotFindOutlineIfSp2Exist.
void RecognizeOnRead(COnePage& page, const AppSettings& settings);

// Reading-sequence step 9: U-notch recognition when FindUNotch is 1.
void RecognizeUNotchesOnRead(COnePage& page, const AppSettings& settings);

}  // namespace pv
