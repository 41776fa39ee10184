#pragma once
// Loads a firmware image into the machine over Ethernet: the page count, the
// 2048-byte pages as two 1024-byte packets each, then the end request.
// Every step is logged; every failure ends the update with one line.
#include <cstdint>
#include <string>

#include "link/firmware_log.h"
#include "link/my_commu.h"

namespace pv {

class FirmwareUpdate {
public:
    static constexpr std::int64_t kMinBytes = 40960;
    static constexpr std::int64_t kMaxBytes = 131072;
    static constexpr std::size_t kPageBytes = 2048;

    // Results.
    static constexpr int kUpdated = 0;
    static constexpr int kCannotOpen = -1;
    static constexpr int kInvalidFile = -2;
    static constexpr int kSendFailed = -3;

    FirmwareUpdate(CMyCommu& commu, FirmwareLog& log, int language);
    int UpdateFirmware(const std::string& path);

private:
    CMyCommu& commu_;
    FirmwareLog& log_;
    int language_;
};

}  // namespace pv
