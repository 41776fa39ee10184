#pragma once
// The entities the DXF reader stores: a common header and one record per
// type.  Coordinates and lengths are in drawing units, angles in degrees as
// written in the file.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace pv {

enum class DxfEntityType : std::int32_t {
    Line = 1,
    Point = 2,
    Circle = 3,
    Ellipse = 5,
    Text = 7,
    Arc = 8,
    Solid = 11,
    Insert = 14,
    Polyline = 19,
    Dimension = 23,
};

// Colour values with a meaning of their own.
inline constexpr std::int32_t kDxfColourByBlock = 0;
inline constexpr std::int32_t kDxfColourByLayer = 256;

struct DxfVec {
    double x = 0.0, y = 0.0, z = 0.0;
};

struct DxfLine {
    DxfVec start, end;                // 10/20/30, 11/21/31
};
struct DxfPoint {
    DxfVec at;                        // 10/20/30
};
struct DxfCircle {
    DxfVec centre;                    // 10/20/30
    double radius = 0.0;              // 40
};
struct DxfEllipse {
    DxfVec centre;                    // 10/20/30
    DxfVec majorAxisEnd;              // 11/21/31
    double ratio = 0.0;               // 40
    double startParam = 0.0;          // 41
    double endParam = 0.0;            // 42
};
struct DxfText {
    DxfVec insertion;                 // 10/20/30
    DxfVec alignment;                 // 11/21/31
    double height = 0.0;              // 40
    double widthFactor = 0.0;         // 41
    double rotation = 0.0;            // 50, degrees
    std::int32_t hJustify = 0;        // 72
    std::int32_t vJustify = 0;        // 73
    std::int32_t style = 0;           // 7, as a text-style number
    std::string text;                 // 1
};
struct DxfArc {
    DxfVec centre;                    // 10/20/30
    double radius = 0.0;              // 40
    double startAngle = 0.0;          // 50, degrees
    double endAngle = 0.0;            // 51, degrees
};
struct DxfSolid {
    DxfVec corners[4];                // 10..13 / 20..23 / 30..33
};
struct DxfInsert {
    std::int32_t block = 0;           // 2, as a block number
    DxfVec insertion;                 // 10/20/30
    double scaleX = 1.0, scaleY = 1.0, scaleZ = 1.0;   // 41/42/43
    double rotation = 0.0;            // 50, degrees
};
struct DxfVertex {
    DxfVec at;                        // 10/20/30
    double bulge = 0.0;               // 42
};
struct DxfPolyline {
    std::int32_t flags = 0;           // 70; bit value 1 = closed
    std::vector<DxfVertex> vertices;
    bool Closed() const { return (flags & 1) != 0; }
};
struct DxfDimension {
    std::int32_t block = 0;           // 2, as a block number
    std::int32_t style = 0;           // 3, as a dimension-style number
    std::string text;                 // 1
    DxfVec definition;                // 10/20/30
    DxfVec extension1;                // 13/23/33
    DxfVec extension2;                // 14/24/34
    double angle = 0.0;               // 53, degrees
};

using DxfEntityData = std::variant<DxfLine, DxfPoint, DxfCircle, DxfEllipse, DxfText, DxfArc, DxfSolid,
                                   DxfInsert, DxfPolyline, DxfDimension>;

struct DxfEntity {
    DxfEntityType type = DxfEntityType::Line;
    std::int32_t number = 0;          // in the drawing's block/entity sequence
    std::int32_t layer = 0;           // 8, as a layer number (0: not in the table)
    std::string layerName;            // 8 as written (garment files name layers by number, often without a table)
    std::int32_t lineType = 0;        // 6, as a line-type number (0: none)
    std::int32_t colour = kDxfColourByLayer;   // 62
    double thickness = 0.0;           // 39
    double lineTypeScale = 1.0;       // 48
    DxfEntityData data;
};

using DxfEntityList = std::vector<DxfEntity>;

struct DxfBlock {
    std::int32_t number = 0;          // in the drawing's block/entity sequence
    std::string name;                 // 2 (or 3)
    std::string layerName;            // 8
    std::int32_t flags = 0;           // 70
    DxfEntityList entities;
};

}  // namespace pv
