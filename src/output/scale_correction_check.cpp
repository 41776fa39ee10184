#include "output/scale_correction_check.h"

#include <cstdint>
#include <cstdio>

#include "settings/localized.h"

namespace pv {

std::optional<std::string> CheckScaleCorrection(const AppSettings& s, const MachineParams& p) {
    const bool inFile = s.RatioSaveTo == 1;
    const std::int64_t values[2] = {inFile ? std::int64_t{s.Measure10000X} : std::int64_t{p.machine.scaleMeasureX},
                                    inFile ? std::int64_t{s.Measure10000Y} : std::int64_t{p.machine.scaleMeasureY}};
    const char* names[2] = {inFile ? "Measure10000X" : "scaleMeasureX", inFile ? "Measure10000Y" : "scaleMeasureY"};
    for (int a = 0; a < 2; ++a) {
        const std::int64_t v = values[a];
        // 0 is a length never measured: printed without correction.
        if (v == 0 || (v >= kMeasuredLengthMin && v <= kMeasuredLengthMax)) continue;
        const int lang = s.Language;
        const std::int64_t magnitude = v < 0 ? -v : v;
        char text[512];
        // The value is shown as the page shows it: millimetres with one decimal.
        std::snprintf(text, sizeof text,
                      Localized(lang,
                                "比例参数超出范围：%s方向的测量长度为 %s%lld.%lld mm（%s，%s），"
                                "应在 %d.0 到 %d.0 mm 之间。任务未打印；请在参数的比例页中更正。",
                                "The scale correction is out of range: the measured length %s is %s%lld.%lld mm "
                                "(%s, %s); it must be %d.0 to %d.0 mm. The job was not printed; correct it on "
                                "the scale page of the parameters."),
                      a == 0 ? Localized(lang, "X（送纸）", "along the paper (X)")
                             : Localized(lang, "Y（横向）", "across the paper (Y)"),
                      v < 0 ? "-" : "", static_cast<long long>(magnitude / 10), static_cast<long long>(magnitude % 10),
                      names[a],
                      inFile ? Localized(lang, "保存在电脑的设置文件中", "kept in the settings file")
                             : Localized(lang, "保存在主板中", "kept by the machine"),
                      kMeasuredLengthMin / 10, kMeasuredLengthMax / 10);
        return std::string(text);
    }
    return std::nullopt;
}

}  // namespace pv
