#include "import/garment_layers.h"

#include <cctype>
#include <cstdint>

namespace pv {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool Contains(std::string_view text, std::string_view word) {
    if (word.size() > text.size()) return false;
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        if (SameWord(text.substr(at, word.size()), word)) return true;
    }
    return false;
}

}  // namespace

std::optional<int> GarmentLayerNumber(std::string_view layerName) {
    const std::string_view name = Trim(layerName);
    if (name.empty() || name.size() > 4) return std::nullopt;
    int n = 0;
    for (char c : name) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool IsQualityLayer(int layer) { return layer >= 84 && layer <= 87; }

int CoarseLayerOf(int layer) {
    switch (layer) {
        case 84: return 1;
        case 85: return 8;
        case 86: return 11;
        case 87: return 14;
        default: return layer;
    }
}

GarmentUse UseOfLayer(int layer) {
    switch (static_cast<GarmentLayer>(CoarseLayerOf(layer))) {
        case GarmentLayer::Boundary: return GarmentUse::Boundary;
        case GarmentLayer::InternalCutOut: return GarmentUse::CutOut;
        case GarmentLayer::TurnPoints:
        case GarmentLayer::CurvePoints: return GarmentUse::Hidden;
        case GarmentLayer::Notches:
        case GarmentLayer::TNotch:
        case GarmentLayer::CastleNotch:
        case GarmentLayer::CheckNotch:
        case GarmentLayer::UNotch: return GarmentUse::Notch;
        case GarmentLayer::DrillHoles: return GarmentUse::DrillHole;
        default: return GarmentUse::Drawn;
    }
}

bool TextHasKey(std::string_view text, std::string_view key, std::string* value) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || !SameWord(Trim(text.substr(0, colon)), key)) return false;
    if (value != nullptr) *value = std::string(Trim(text.substr(colon + 1)));
    return true;
}

std::optional<double> PlotterUnitsOfUnitsText(std::string_view value) {
    const std::string_view v = Trim(value);
    // Centimetres first: "METRIC CM" names the metric form in centimetres.
    if (SameWord(v, "CM") || Contains(v, "CENTIM") || (Contains(v, "METRIC") && Contains(v, " CM")))
        return 400.0;
    if (Contains(v, "ENGLISH") || Contains(v, "INCH") || SameWord(v, "IN")) return 1016.0;
    if (Contains(v, "METRIC") || SameWord(v, "MM") || Contains(v, "MILLIM")) return 40.0;
    return std::nullopt;
}

std::optional<double> PlotterUnitsOfInsUnits(int code) {
    switch (code) {
        case 1: return 1016.0;      // inch: 25.4 mm
        case 2: return 12192.0;     // foot: 304.8 mm
        case 4: return 40.0;        // millimetre
        case 5: return 400.0;       // centimetre
        case 6: return 40000.0;     // metre
        default: return std::nullopt;
    }
}

}  // namespace pv
