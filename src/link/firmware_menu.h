#pragma once
// What the firmware-update menu command does before any transfer: the
// message it shows (empty: none) and whether the update dialog opens.
#include <string>

#include "params/machine_params.h"
#include "settings/edition.h"

namespace pv {

struct FirmwareMenuAnswer {
    std::string message;
    bool openDialog = false;
};

// `online`: the parameter records have been read; `viaEth`: the link is
// Ethernet; `language`: 0 Chinese, else English.
FirmwareMenuAnswer AnswerFirmwareMenu(Edition edition, bool online, const MachineParams& params, bool viaEth,
                                      int language);

}  // namespace pv
