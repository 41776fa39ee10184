#include "cli/json_output.h"

#include <cstdio>

#include "settings/setting_key_table.h"

namespace pv::cli {

Json SettingsJson(const AppSettings& settings) {
    Json j;
    j["ProgramDir"] = settings.ProgramDir;
    j["HzFontPath"] = settings.HzFontPath;
    j["EnFontPath"] = settings.EnFontPath;
    for (const SettingKey* key : SettingKeys(settings.edition)) {
        switch (key->type) {
            case SettingType::Int: j[key->name] = settings.*key->intField; break;
            case SettingType::Int64: j[key->name] = settings.*key->int64Field; break;
            case SettingType::Text: j[key->name] = settings.*key->textField; break;
        }
    }
    return j;
}

Json PageJson(const COnePage& page, const std::string& fileName, int result) {
    Json j;
    j["file"] = fileName;
    j["result"] = result;
    j["minX"] = page.minX;
    j["maxX"] = page.maxX;
    j["minY"] = page.minY;
    j["maxY"] = page.maxY;
    Json curves = Json::array();
    for (const CCurve& c : page.curves) {
        Json points = Json::array();
        for (const Point& p : c.points) points.push_back({p.x, p.y});
        curves.push_back(Json{{"kind", c.kind}, {"lineType", c.lineType}, {"role", c.role},
                              {"isTNotch", c.isTNotch}, {"isINotch", c.isINotch}, {"points", std::move(points)}});
    }
    j["curves"] = std::move(curves);
    return j;
}

bool PrintJson(const Json& value) {
    const std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fputc('\n', stdout) != EOF &&
           std::fflush(stdout) == 0;
}

}  // namespace pv::cli
