#include "geometry/recognition.h"

#include "settings/app_settings.h"

namespace pv {

// Recognition of outlines and notches is not built yet; both steps leave the
// page as read.
void RecognizeOnRead(COnePage&, const AppSettings&) {}

void RecognizeUNotchesOnRead(COnePage&, const AppSettings&) {}

}  // namespace pv
