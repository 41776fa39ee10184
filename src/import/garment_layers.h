#pragma once
// The numbered layers of garment DXF files written in the AAMA / ASTM D6673
// interchange form, what this system does with each, and the piece and style
// texts ("Piece Name: FRONT", "Size: M", "Units: ENGLISH") of the form.
#include <optional>
#include <string>
#include <string_view>

namespace pv {

enum class GarmentLayer : int {
    Boundary = 1,             // the piece's cut line (and the style texts)
    TurnPoints = 2,
    CurvePoints = 3,
    Notches = 4,
    GradeReference = 5,
    MirrorLine = 6,
    GrainLine = 7,
    InternalLines = 8,
    StripeLine = 9,
    PlaidLine = 10,
    InternalCutOut = 11,
    CutterInstruction = 12,
    DrillHoles = 13,
    SewLines = 14,
    Annotation = 15,
    TNotch = 80,
    CastleNotch = 81,
    CheckNotch = 82,
    UNotch = 83,
    BoundaryQuality = 84,     // layer 1 again at full resolution
    InternalQuality = 85,     // layer 8 again
    CutOutQuality = 86,       // layer 11 again
    SewQuality = 87,          // layer 14 again
};

// What becomes of an entity on a layer.
enum class GarmentUse {
    Boundary,    // joined into one closed cut curve per piece
    CutOut,      // cut, each chain joined (closed when its ends meet)
    Drawn,       // drawn line
    Notch,       // drawn mark, cut when CutNotch is on
    DrillHole,   // small drawn cross at the hole
    Hidden,      // turn and curve points: not printed
};

// The layer number of a layer name ("1", " 14 "); nothing for names that
// are not a whole number.
std::optional<int> GarmentLayerNumber(std::string_view layerName);

// The use of a layer number.  The quality-validation layers (84..87) answer
// with the use of the layer they repeat; numbers outside the form's table
// are drawn.
GarmentUse UseOfLayer(int layer);

// For the quality-validation layers, the layer they repeat (84 -> 1, 85 -> 8,
// 86 -> 11, 87 -> 14); otherwise the layer itself.
int CoarseLayerOf(int layer);
bool IsQualityLayer(int layer);

// "Key: value" texts of the form.  The key is compared without letter case
// and surrounding blanks; false when the text is not of that key.
bool TextHasKey(std::string_view text, std::string_view key, std::string* value = nullptr);

// Plotter units (1/40 mm) per drawing unit named by a "Units:" value:
// ENGLISH or INCH 1016, METRIC or MM 40, CM (also "METRIC CM") 400;
// nothing for a value it does not know.
std::optional<double> PlotterUnitsOfUnitsText(std::string_view value);

// The same for the header's $INSUNITS code (1 inch, 2 foot, 4 mm, 5 cm,
// 6 m); nothing for 0 (unitless) and codes of other units.
std::optional<double> PlotterUnitsOfInsUnits(int code);

}  // namespace pv
