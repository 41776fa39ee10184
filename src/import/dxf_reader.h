#pragma once
// Parses an ASCII DXF file into a DxfDrawing: the four tables, the block
// definitions and the top-level entities.
#include <cstdint>
#include <string>
#include <string_view>

#include "import/dxf_drawing.h"
#include "import/dxf_group_reader.h"

namespace pv {

class DxfReader {
public:
    DxfReader(DxfDrawing& drawing, DxfGroupReader& groups) : drawing_(drawing), groups_(groups) {}

    // Reads every section; false when a layer names an undefined line type
    // or the input ends inside a section.
    bool ReadAll();

private:
    void ReadBlocks();
    // Passes over a section whose content is not read.
    void SkipSection();
    // Passes over the header, keeping only $INSUNITS.
    void ReadHeader();
    // Reads entities into a block (index into the drawing's blocks) or the
    // top-level list (block < 0) until (0, end).
    void ReadEntityList(int block, std::string_view end);

    DxfDrawing& drawing_;
    DxfGroupReader& groups_;
};

// (0, "SECTION") and (0, "EOF") end whatever was being read, also when its
// own end marker is missing.
bool IsFileLevelMarker(std::string_view value);

// 1 success, 0 failure (the file cannot be opened, a layer names an
// undefined line type, or the file ends inside a section); on failure the
// drawing keeps what was stored before.
int ReadDxf(DxfDrawing& drawing, const std::string& path);
// The same over bytes in memory.
int ReadDxfBytes(DxfDrawing& drawing, const std::uint8_t* data, std::size_t size);

}  // namespace pv
