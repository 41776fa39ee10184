#pragma once
// What the operator may enter for each field of the two parameter records,
// as the stored integer (the record's own unit: 0.1 mm fields in 0.1 mm,
// pulses per mm x 100, ...).  These are the parameter pages' ranges
// multiplied by the field's scale, kept within what the field's type holds:
// the pulses-per-mm pages accept up to 800, but a 16-bit record ends at
// 655.35.  Reserved bytes and `firmwareFlag` are never edited and have none.
#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/edition.h"

namespace pv {

struct ParamRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
    const char* unit = "";   // of the stored integer, e.g. "0.1 mm"; empty for a plain count or code
};

// The range of field `name` in the edition's records; nothing when the
// edition's records do not carry it or it is not edited.
std::optional<ParamRange> EditableRange(std::string_view name, Edition e);

}  // namespace pv
