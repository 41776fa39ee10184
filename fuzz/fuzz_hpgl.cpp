// libFuzzer target: arbitrary bytes through the HPGL reader (in-memory read,
// then page building) on both machines.  The first input byte picks the
// settings so that the IP/SC scaling, the font scale and the four-head
// LT rule are all reached.  The stroke fonts are written to a scratch
// folder by the first read and come from the process's font cache after
// that; with PV_FUZZ_NO_FONTS set no font is found (labels draw nothing).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>

#include "geometry/one_page.h"
#include "import/hpgl_file.h"
#include "settings/app_settings.h"

namespace {

pv::AppSettings MakeSettings(std::uint8_t pick) {
    static const std::string dir = [] {
        const auto d = std::filesystem::temp_directory_path() / "pv_fuzz_hpgl";
        std::filesystem::create_directories(d);
        return d.string() + "/";
    }();
    static const bool noFonts = std::getenv("PV_FUZZ_NO_FONTS") != nullptr;
    const std::string fonts = noFonts ? dir + "no-such-dir/" : dir;
    pv::AppSettings s;
    s.ProgramDir = dir;
    s.HzFontPath = fonts + "fon_hz.bin";
    s.EnFontPath = fonts + "fon_en.bin";
    s.edition = (pick & 1) ? pv::Edition::FourHead : pv::Edition::TwoHead;
    s.PltFileUnit = (pick >> 1) & 3;
    s.PltFontScale = (pick & 0x80) ? 500 : 20;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const pv::AppSettings settings = MakeSettings(data[0]);
    pv::CHpglFile reader(settings, [](const std::string&) {});
    const int result = reader.ReadStream(std::span(data + 1, size - 1));
    if (result == pv::kHpglOk) {
        pv::COnePage page;
        reader.BuildPage(page, 0);
        for (const pv::CCurve& c : page.curves) {
            if (c.points.empty() || (c.kind != pv::kDrawn && c.kind != pv::kFullCut)) __builtin_trap();
        }
    }
    return 0;
}
