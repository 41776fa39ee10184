#pragma once
// The two programs share every subsystem; the few places where the four-head
// machine differs ask the edition.  Each program fixes its edition at build
// time (app/ and cli/ entry points); the engine takes it as a value so one
// test binary can check both.
#include <cstdint>
#include <string_view>

namespace pv {

enum class Edition : std::uint8_t { TwoHead, FourHead };

struct EditionInfo {
    std::string_view programName;      // "Pelvane" / "Orvanta"
    std::string_view settingsFile;     // file in ProgramDir
    std::string_view welcomeText;      // default CustomString
    std::string_view documentType;
    std::uint16_t tcpPort;             // machine's TCP port
    std::uint16_t usbProduct;          // USB product id (vendor 0xA728)
    std::int64_t maxHpglBytes;         // largest HPGL file the reader accepts
};

constexpr EditionInfo kTwoHeadInfo{"Pelvane", "Setting.ini", "Welcome To Use Pelvane Plotter",
                                   "Pelvane.Document", 5388, 0x5388, 40'000'000};
constexpr EditionInfo kFourHeadInfo{"Orvanta", "Setting4.ini", "Welcome To Use Orvanta Plotter",
                                    "Orvanta.Document", 5488, 0x5488, 32'000'000};

constexpr const EditionInfo& Info(Edition e) {
    return e == Edition::FourHead ? kFourHeadInfo : kTwoHeadInfo;
}
constexpr bool IsFourHead(Edition e) { return e == Edition::FourHead; }

constexpr std::uint16_t kUsbVendor = 0xA728;

}  // namespace pv
