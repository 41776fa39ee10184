#pragma once
// Recognises a garment DXF drawing (AAMA / ASTM D6673 form: one block per
// piece and size on numbered layers, with "Piece Name:", "Size:" and
// "Units:" texts) and lists what the conversion needs: where each piece is
// placed, its size, and the drawing unit the file states.
#include <cstdint>
#include <string>
#include <vector>

#include "import/dxf_drawing.h"

namespace pv {

// A placement of a block: x' = a·x + b·y + c, y' = d·x + e·y + f (drawing
// units).
struct GarmentTransform {
    double a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;

    static GarmentTransform Of(const DxfInsert& insert);
    // This placement applied after `inner`.
    GarmentTransform After(const GarmentTransform& inner) const;
    double X(double x, double y) const { return a * x + b * y + c; }
    double Y(double x, double y) const { return d * x + e * y + f; }
    double Scale() const;   // the larger axis scale
};

// One piece (or the loose entities of the drawing) as it lands on the page.
struct GarmentPlacement {
    std::int32_t block = 0;        // block number; 0: the top-level entities
    GarmentTransform transform;
    std::string layerName;         // the INSERT's layer, taken by entities on layer "0"
    std::string pieceName;         // "Piece Name:" of the block
    std::string size;              // "Size:" of the block; empty when it has none
};

enum class GarmentUnitSource {
    UnitsText,   // "Units: ENGLISH" / "Units: METRIC"
    InsUnits,    // the header's $INSUNITS
    DxfUnit,     // the setting: the file says nothing
};

struct GarmentDrawing {
    bool garment = false;
    double unit = 40.0;            // plotter units (1/40 mm) per drawing unit
    GarmentUnitSource unitSource = GarmentUnitSource::DxfUnit;
    std::vector<GarmentPlacement> placements;   // in drawing order, the loose entities first
    std::vector<std::string> sizes;             // distinct sizes in the order the pieces name them
};

// Looks the drawing over.  Not a garment drawing (no block with boundary
// geometry on layer 1 or 84, or no text of the form): `garment` false and
// nothing else filled.
GarmentDrawing InspectGarmentDrawing(const DxfDrawing& drawing, std::int32_t dxfUnit);

// Sizes compare without letter case and surrounding blanks.
bool SameSize(const std::string& a, const std::string& b);

}  // namespace pv
