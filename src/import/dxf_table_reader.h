#pragma once
// Reads the TABLES section of a DXF file: line types, layers, text styles and
// dimension styles; every other table is passed over.
#include <string_view>

#include "import/dxf_drawing.h"
#include "import/dxf_group_reader.h"

namespace pv {

class DxfTableReader {
public:
    DxfTableReader(DxfDrawing& drawing, DxfGroupReader& groups) : drawing_(drawing), groups_(groups) {}

    // Reads up to and including (0, ENDSEC).  False when a layer names a line
    // type that is missing or not (yet) in the line-type table: the whole
    // file is then refused.
    bool ReadSection();

private:
    bool ReadTable(std::string_view name);
    bool ReadEntry(std::string_view table);
    void ReadLineType();
    bool ReadLayer();
    void ReadTextStyle();
    void ReadDimStyle();
    template <typename F>
    void ForEachEntryGroup(F f);

    DxfDrawing& drawing_;
    DxfGroupReader& groups_;
};

}  // namespace pv
