#pragma once
// Reads the groups of one DXF entity into a stored record.
#include <optional>
#include <string_view>

#include "import/dxf_drawing.h"
#include "import/dxf_group_reader.h"

namespace pv {

class DxfEntityReader {
public:
    DxfEntityReader(const DxfDrawing& drawing, DxfGroupReader& groups) : drawing_(drawing), groups_(groups) {}

    // The type of a stored entity name, or nothing for every other name.
    static std::optional<DxfEntityType> TypeOf(std::string_view name);

    // Reads the groups after (0, name) up to the next group with code 0, which
    // is left to be read again; a POLYLINE also takes its VERTEX entities.
    // Names are turned into table and block numbers.  Nothing is returned
    // for an entity that is dropped (an INSERT of a block not yet defined).
    std::optional<DxfEntity> Read(DxfEntityType type);

private:
    void ReadVertices(DxfPolyline& polyline);

    const DxfDrawing& drawing_;
    DxfGroupReader& groups_;
};

}  // namespace pv
