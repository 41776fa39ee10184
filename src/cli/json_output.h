#pragma once
// The JSON the commands print.  Text from files (names, labels, settings) is
// bytes of unknown encoding: what is not valid UTF-8 is replaced, never fatal.
#include <string>

#include <nlohmann/json.hpp>

#include "geometry/one_page.h"
#include "settings/app_settings.h"

namespace pv::cli {

using Json = nlohmann::ordered_json;

// The three computed paths, then every key of the edition by name.
Json SettingsJson(const AppSettings& settings);

// Writes {"file", "result", "minX", "maxX", "minY", "maxY", "curves":
// [{"kind", "lineType", "role", "isTNotch", "isINotch", "points": [[x, y],
// ...]}]} with a line end to stdout, curve by curve; false when stdout
// failed.
bool PrintPageJson(const COnePage& page, const std::string& fileName, int result);

// Writes the value with a line end to stdout; false when stdout failed.
bool PrintJson(const Json& value);

}  // namespace pv::cli
