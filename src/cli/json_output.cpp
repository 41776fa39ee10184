#include "cli/json_output.h"

#include <charconv>
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

namespace {

void AppendNumber(std::string& out, std::int32_t v) {
    char buf[16];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

void AppendField(std::string& out, const char* name, std::int32_t v) {
    out += name;
    AppendNumber(out, v);
}

}  // namespace

bool PrintPageJson(const COnePage& page, const std::string& fileName, int result) {
    Json head;
    head["file"] = fileName;
    head["result"] = result;
    head["minX"] = page.minX;
    head["maxX"] = page.maxX;
    head["minY"] = page.minY;
    head["maxY"] = page.maxY;
    std::string text = head.dump(-1, ' ', false, Json::error_handler_t::replace);
    text.pop_back();   // the closing brace: the curves follow
    text += ",\"curves\":[";
    // The curves are written as they are walked, in pieces of about 64 KB:
    // a page of a hundred thousand curves never becomes a JSON tree.
    bool ok = true;
    const auto flush = [&] {
        ok = ok && std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
        text.clear();
    };
    for (std::size_t i = 0; i < page.curves.size(); ++i) {
        const CCurve& c = page.curves[i];
        if (i > 0) text += ',';
        AppendField(text, "{\"kind\":", c.kind);
        AppendField(text, ",\"lineType\":", c.lineType);
        AppendField(text, ",\"role\":", c.role);
        AppendField(text, ",\"isTNotch\":", c.isTNotch);
        AppendField(text, ",\"isINotch\":", c.isINotch);
        text += ",\"points\":[";
        for (std::size_t k = 0; k < c.points.size(); ++k) {
            if (k > 0) text += ',';
            AppendField(text, "[", c.points[k].x);
            AppendField(text, ",", c.points[k].y);
            text += ']';
        }
        text += "]}";
        if (text.size() >= (std::size_t{1} << 16)) flush();
    }
    text += "]}\n";
    flush();
    return ok && std::fflush(stdout) == 0;
}

bool PrintJson(const Json& value) {
    const std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fputc('\n', stdout) != EOF &&
           std::fflush(stdout) == 0;
}

}  // namespace pv::cli
