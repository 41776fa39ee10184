#include "cli/machine_param_option.h"

#include <span>

#include "cli/exit_status.h"
#include "cli/whole_number.h"
#include "params/param_field.h"

namespace pv::cli {

namespace {

// Sets the editable field of `fields` named `name` from `text`.  Returns
// whether such a field exists; `error` says what is wrong with the value.
template <class Block>
bool applyField(std::span<const ParamField<Block>> fields, Block& block, std::string_view name,
                std::string_view text, std::string& error, int& status) {
    for (const ParamField<Block>& f : fields) {
        if (!f.editable || name != f.name) continue;
        long long v = 0;
        const WholeNumber parsed = ParseWholeNumber(text, f.Min(), f.Max(), v);
        if (parsed != WholeNumber::Ok) {
            status = parsed == WholeNumber::OutOfRange ? kExitOutOfRange : kExitUsage;
            error = std::string(name) + " takes a whole number from " + std::to_string(f.Min()) +
                    " to " + std::to_string(f.Max()) + ", not '" + std::string(text) + "'";
        } else {
            f.Set(block, v);
        }
        return true;
    }
    return false;
}

}  // namespace

std::string ApplyMachineParam(MachineParams& params, std::string_view assignment, int& status) {
    status = kExitUsage;
    const auto eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0) return "--param needs NAME=VALUE, not '" + std::string(assignment) + "'";
    const std::string_view name = assignment.substr(0, eq);
    const std::string_view text = assignment.substr(eq + 1);
    std::string error;
    status = kExitOk;
    if (applyField(MachineParaFields(), params.machine, name, text, error, status) ||
        applyField(AdvParaFields(), params.adv, name, text, error, status))
        return error;
    status = kExitUnknownField;
    return "no machine parameter named " + std::string(name);
}

}  // namespace pv::cli
