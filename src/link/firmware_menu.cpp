#include "link/firmware_menu.h"

#include "settings/localized.h"

namespace pv {

FirmwareMenuAnswer AnswerFirmwareMenu(Edition edition, bool online, const MachineParams& params, bool viaEth,
                                      int language) {
    FirmwareMenuAnswer a;
    if (!online) {
        a.message = Localized(language, "未联机", "Offline");
        return a;
    }
    if (!params.FirmwareUpdatable(edition)) {
        a.message = Localized(language, "旧版固件不支持在线更新", "Not supported.");
        return a;
    }
    if (!viaEth) a.message = Localized(language, "目前仅支持网口联机升级", "This function enable while connect via eth only");
    // The four-head machine has no update dialog: over Ethernet nothing
    // happens at all.  The two-head dialog opens even over USB, where the
    // transfer then fails.
    a.openDialog = !IsFourHead(edition);
    return a;
}

}  // namespace pv
