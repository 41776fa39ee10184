#pragma once
// The window program of either edition: start-up, the main window's run and
// the end.  The two entry points differ only in the edition they pass.
#include "settings/edition.h"

namespace pv::app {

int RunApplication(int argc, char* argv[], Edition edition);

}  // namespace pv::app
