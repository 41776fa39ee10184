#include "cli/machine_fields.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

#include "cli/exit_status.h"
#include "cli/whole_number.h"
#include "params/param_field.h"
#include "params/param_range.h"

namespace pv::cli {

namespace {

template <class Block>
const ParamField<Block>* FindCarried(std::span<const ParamField<Block>> fields, std::string_view name, Edition e) {
    for (const auto& f : fields)
        if (name == f.name && f.Place(e).width != 0) return &f;
    return nullptr;
}

template <class Block>
Json BlockJson(std::span<const ParamField<Block>> fields, const Block& block, Edition e) {
    // Record order: by the field's offset in this edition's record.
    std::vector<const ParamField<Block>*> carried;
    for (const auto& f : fields)
        if (f.Place(e).width != 0) carried.push_back(&f);
    std::sort(carried.begin(), carried.end(),
              [e](auto* a, auto* b) { return a->Place(e).offset < b->Place(e).offset; });
    Json j = Json::object();
    for (const auto* f : carried) j[f->name] = f->Get(block);
    return j;
}

std::string UnitText(const ParamRange& r) { return r.unit[0] ? std::string(" (") + r.unit + ")" : std::string(); }

}  // namespace

FieldEditParse ParseFieldEdit(std::string_view assignment, Edition e) {
    FieldEditParse out;
    const auto eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        out.status = kExitUsage;
        out.message = "set wants FIELD=VALUE, not '" + std::string(assignment) + "'";
        return out;
    }
    const std::string name(assignment.substr(0, eq));
    const std::string_view text = assignment.substr(eq + 1);
    out.edit.name = name;
    const bool inMachine = FindCarried(MachineParaFields(), name, e) != nullptr;
    const bool inAdv = FindCarried(AdvParaFields(), name, e) != nullptr;
    if (!inMachine && !inAdv) {
        out.status = kExitUnknownField;
        out.message = "no field named " + name + " in the " + (IsFourHead(e) ? "four" : "two") +
                      "-head machine's parameter records ('machine params' lists them)";
        return out;
    }
    out.edit.record = inMachine ? ParamRecordKind::Machine : ParamRecordKind::Adv;
    const auto range = EditableRange(name, e);
    if (!range) {
        out.status = kExitUnknownField;
        out.message = name + " is kept by the machine and cannot be set";
        return out;
    }
    long long v = 0;
    const WholeNumber parsed = ParseWholeNumber(text, range->min, range->max, v);
    if (parsed != WholeNumber::Ok) {
        out.status = parsed == WholeNumber::OutOfRange ? kExitOutOfRange : kExitUsage;
        out.message = name + " takes a whole number from " + std::to_string(range->min) + " to " +
                      std::to_string(range->max) + UnitText(*range) + ", not '" + std::string(text) + "'";
        return out;
    }
    out.edit.value = v;
    out.status = kExitOk;
    return out;
}

void ApplyFieldEdit(MachineParams& params, const FieldEdit& edit) {
    // The name was found among the edition's fields, so it is in one table.
    if (edit.record == ParamRecordKind::Machine) {
        for (const auto& f : MachineParaFields())
            if (edit.name == f.name) f.Set(params.machine, edit.value);
    } else {
        for (const auto& f : AdvParaFields())
            if (edit.name == f.name) f.Set(params.adv, edit.value);
    }
}

long long FieldValue(const MachineParams& params, const FieldEdit& edit) {
    if (edit.record == ParamRecordKind::Machine) {
        for (const auto& f : MachineParaFields())
            if (edit.name == f.name) return f.Get(params.machine);
    } else {
        for (const auto& f : AdvParaFields())
            if (edit.name == f.name) return f.Get(params.adv);
    }
    return 0;
}

Json ParamsJson(const MachineParams& params, Edition e) {
    Json j;
    j["MachineParaBlock"] = BlockJson(MachineParaFields(), params.machine, e);
    j["AdvParaBlock"] = BlockJson(AdvParaFields(), params.adv, e);
    return j;
}

std::string FieldRangeHelp(Edition e) {
    std::string out;
    auto add = [&](const auto& fields) {
        for (const auto& f : fields) {
            const auto r = EditableRange(f.name, e);
            if (!r) continue;
            char line[160];
            std::snprintf(line, sizeof line, "  %-20s %6d to %-6d%s", f.name, r->min, r->max, UnitText(*r).c_str());
            std::string text = line;
            text.erase(text.find_last_not_of(' ') + 1);
            out += text + "\n";
        }
    };
    out += "MachineParaBlock (written with 0x25):\n";
    add(MachineParaFields());
    out += "AdvParaBlock (written with 0x24):\n";
    add(AdvParaFields());
    return out;
}

}  // namespace pv::cli
