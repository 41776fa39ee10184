#pragma once
// The field tables of the machine parameter pages: label, kind, range,
// scale and record field of every value, in control order.
#include <vector>

#include "settings/edition.h"
#include "ui/field_form.h"

namespace pv::ui {

// Two-head machine page: the inkjet, head position and edge groups.
// Four-head inkjet page: overlaps, the eight positions and the edge group.
std::vector<FormField> InkjetFields(Edition e);
// The cut group and the pressures (two-head machine page, four-head cut page).
std::vector<FormField> CutFields();
// The miscellaneous page's value fields (the radio buttons and the
// four-head "允许移动选中的曲线" are the page's own).
std::vector<FormField> MiscFields();
// The advanced page.
std::vector<FormField> AdvancedFields(Edition e);

}  // namespace pv::ui
