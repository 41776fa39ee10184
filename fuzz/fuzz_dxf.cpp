// libFuzzer target: arbitrary bytes through the DXF reader, the conversion
// into curves and labels, the label text through the HPGL reader, and outline
// and notch recognition on the result.  The first input byte picks the
// drawing unit and the recognition switches.  The stroke fonts are not found
// (labels then draw nothing), which keeps a run fast.
#include <cstddef>
#include <cstdint>
#include <string>

#include "geometry/one_page.h"
#include "geometry/recognition.h"
#include "import/dxf_converter.h"
#include "import/dxf_reader.h"
#include "import/hpgl_file.h"
#include "settings/app_settings.h"

namespace {

pv::AppSettings MakeSettings(std::uint8_t pick) {
    static constexpr std::int32_t kUnits[] = {40, 1, 4, 400, 2000, 0, 10, 1000};
    pv::AppSettings s;
    s.ProgramDir = "/nonexistent-pv-fuzz/";
    s.HzFontPath = s.ProgramDir + "fon_hz.bin";
    s.EnFontPath = s.ProgramDir + "fon_en.bin";
    s.DxfUnit = kUnits[pick & 7];
    s.edition = (pick & 8) ? pv::Edition::FourHead : pv::Edition::TwoHead;
    s.FindTCutFirst = (pick >> 4) & 1;
    s.FindICutFirst = (pick >> 5) & 1;
    s.CutNotch = (pick >> 6) & 1;
    s.FindUNotch = (pick >> 7) & 1;
    s.SearchOutline = 1;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const pv::AppSettings settings = MakeSettings(data[0]);
    pv::DxfDrawing drawing;
    if (pv::ReadDxfBytes(drawing, data + 1, size - 1) != 1) return 0;

    pv::COnePage page;
    std::string labels;
    pv::DxfConverter converter(drawing, page, settings.DxfUnit, labels);
    if (converter.EstimateWork() > pv::DxfConverter::kMaxWork) return 0;
    for (const pv::DxfEntity& e : drawing.Entities()) {
        if (!converter.ConvertEntity(e)) return 0;
    }
    if (!labels.empty() && labels.size() < pv::CHpglFile::kMaxStreamBytes) {
        pv::CHpglFile reader(settings, [](const std::string&) {});
        if (reader.ReadStream("IN;SP1;" + labels) == pv::kHpglOk) reader.BuildPage(page, 0);
    }
    for (const pv::CCurve& c : page.curves) {
        if (c.points.empty() || c.kind != pv::kDrawn) __builtin_trap();
    }

    page.TidyAll();
    pv::FindOutlines(page, settings);
    pv::RecognizeUNotchesOnRead(page, settings);
    for (const pv::CCurve& c : page.curves) {
        if (c.points.size() < 2 || (c.kind != pv::kDrawn && c.kind != pv::kFullCut)) __builtin_trap();
    }
    return 0;
}
