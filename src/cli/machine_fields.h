#pragma once
// The machine's two parameter records by field name, as the field table
// names them, for `machine params` and `machine set`.  Values are the stored
// integers (0.1 mm fields in 0.1 mm, pulses per mm x 100, ...).
#include <string>
#include <string_view>

#include "cli/json_output.h"
#include "params/machine_params.h"
#include "settings/edition.h"

namespace pv::cli {

enum class ParamRecordKind { Machine, Adv };

struct FieldEdit {
    std::string name;
    ParamRecordKind record = ParamRecordKind::Machine;
    long long value = 0;
};

struct FieldEditParse {
    int status = 0;          // kExitOk, kExitUsage, kExitUnknownField or kExitOutOfRange
    std::string message;     // what is wrong, when status is not kExitOk
    FieldEdit edit;
};

// "FIELD=VALUE" checked against the field's range in the edition.
FieldEditParse ParseFieldEdit(std::string_view assignment, Edition e);

void ApplyFieldEdit(MachineParams& params, const FieldEdit& edit);
long long FieldValue(const MachineParams& params, const FieldEdit& edit);

// {"MachineParaBlock": {FIELD: value, ...}, "AdvParaBlock": {...}} with
// every field the edition's records carry, in record order.
Json ParamsJson(const MachineParams& params, Edition e);

// One line per editable field: name, range and unit (for --help).
std::string FieldRangeHelp(Edition e);

}  // namespace pv::cli
