#pragma once
// Entries of the four DXF tables the reader keeps.  Every entry carries its
// number in the drawing's table-entry sequence (counting from 1); references
// between objects are held as these numbers, 0 meaning none.
#include <cstdint>
#include <string>
#include <vector>

namespace pv {

// Strings from the file are cut to this many bytes.
inline constexpr std::size_t kDxfMaxString = 511;

struct DxfLineType {
    std::int32_t number = 0;
    std::string name;                 // 2
    std::string description;          // 3
    std::int32_t flags = 0;           // 70
    std::int32_t elementCount = 0;    // 73
    double patternLength = 0.0;       // 40
    std::vector<double> elements;     // 49, in order; at most kMaxElements
    static constexpr std::size_t kMaxElements = 30;
};

struct DxfLayer {
    std::int32_t number = 0;
    std::string name;                 // 2
    std::int32_t flags = 0;           // 70
    std::int32_t colour = 0;          // 62; negative when the layer is off
    std::int32_t lineType = 0;        // 6, as a line-type number
};

struct DxfTextStyle {
    std::int32_t number = 0;
    std::string name;                 // 2
    std::string fontFile;             // 3
    std::string handle;               // 5
    std::int32_t flags = 0;           // 70
    std::int32_t generationFlags = 0; // 71
    double height = 0.0;              // 40
    double widthFactor = 0.0;         // 41
    double lastHeight = 0.0;          // 42
    double obliqueAngle = 0.0;        // 50, degrees
};

struct DxfDimStyle {
    std::int32_t number = 0;
    std::string name;                 // 2
    std::int32_t flags = 0;           // 70
    double extOffset = 0.0;           // 42
    double extExtension = 0.0;        // 44
    double dimLineExtension = 0.0;    // 46
    double arrowSize = 0.0;           // 41
    double textHeight = 0.0;          // 140
    double linearFactor = 0.0;        // 147
    std::int32_t textVertical = 0;    // 77
    std::int32_t dimLineColour = 0;   // 176
    std::int32_t extLineColour = 0;   // 177
    std::int32_t textColour = 0;      // 178
    std::int32_t textStyle = 0;       // 340, as a text-style number
};

}  // namespace pv
