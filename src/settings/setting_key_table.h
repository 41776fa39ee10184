#pragma once
// The one table of the settings file's keys: name, type, the field of
// AppSettings it fills and which edition keeps it.  Loading, saving, the
// command-line tool's --set and its settings listing all walk this table.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/app_settings.h"

namespace pv {

enum class SettingType : std::uint8_t {
    Int,     // signed 32-bit, written as signed decimal
    Int64,   // signed 64-bit, written as decimal text (the drop counters)
    Text,    // written as it is, without quotes
};

enum SettingEditions : std::uint8_t {
    kTwoHeadOnly = 1,
    kFourHeadOnly = 2,
    kBothEditions = 3,
};

struct SettingKey {
    const char* name;
    SettingType type;
    std::uint8_t editions;
    std::int32_t AppSettings::*intField = nullptr;
    std::int64_t AppSettings::*int64Field = nullptr;
    std::string AppSettings::*textField = nullptr;
};

// Every key of both editions, in the order in which they are read.
std::span<const SettingKey> AllSettingKeys();

// The keys of one edition's settings file, in the order in which they are read.
std::vector<const SettingKey*> SettingKeys(Edition edition);

// The key of that name in the edition (letter case does not matter), or null.
const SettingKey* FindSettingKey(std::string_view name, Edition edition);

// An integer value as the file holds it: optional spaces, an optional sign,
// decimal digits; whatever follows the digits is ignored and a value that
// does not begin with a number reads as 0.  Values beyond the range stop at
// its ends, except that a 32-bit field also accepts the unsigned form of its
// bits (2952898752 reads as -1342068544).
std::int32_t ParseSettingInt(std::string_view text);
std::int64_t ParseSettingInt64(std::string_view text);

// Sets the field from its text as read from the file: an empty text gives
// the key's default.
void ApplySettingText(AppSettings& settings, const SettingKey& key, std::string_view text);

// The field's text as written to the file.
std::string SettingText(const AppSettings& settings, const SettingKey& key);

}  // namespace pv
