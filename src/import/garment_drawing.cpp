#include "import/garment_drawing.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "geometry/point.h"
#include "import/garment_layers.h"

namespace pv {

namespace {

bool IsGeometry(DxfEntityType type) {
    return type == DxfEntityType::Line || type == DxfEntityType::Polyline || type == DxfEntityType::Arc ||
           type == DxfEntityType::Circle;
}

bool OnBoundaryLayer(const DxfEntity& e) {
    const auto n = GarmentLayerNumber(e.layerName);
    return n && CoarseLayerOf(*n) == static_cast<int>(GarmentLayer::Boundary);
}

bool HasBoundary(const DxfBlock& block) {
    return std::any_of(block.entities.begin(), block.entities.end(),
                       [](const DxfEntity& e) { return IsGeometry(e.type) && OnBoundaryLayer(e); });
}

const std::string* TextOf(const DxfEntity& e) {
    if (e.type != DxfEntityType::Text) return nullptr;
    return &std::get<DxfText>(e.data).text;
}

bool IsFormText(const std::string& text) {
    return TextHasKey(text, "Piece Name") || TextHasKey(text, "Size") || TextHasKey(text, "Units");
}

// The value of the first "key:" text of a list.
std::string ValueOf(const DxfEntityList& list, std::string_view key) {
    std::string value;
    for (const DxfEntity& e : list) {
        const std::string* t = TextOf(e);
        if (t != nullptr && TextHasKey(*t, key, &value)) return value;
    }
    return {};
}

std::string Folded(const std::string& s) {
    std::size_t from = 0, to = s.size();
    while (from < to && std::isspace(static_cast<unsigned char>(s[from]))) ++from;
    while (to > from && std::isspace(static_cast<unsigned char>(s[to - 1]))) --to;
    std::string out = s.substr(from, to - from);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

void FindUnits(const DxfDrawing& drawing, std::int32_t dxfUnit, GarmentDrawing& out) {
    out.unit = dxfUnit;
    out.unitSource = GarmentUnitSource::DxfUnit;
    // The style's "Units:" text is written once, at the top level or in a
    // block of its own.
    auto fromList = [&out](const DxfEntityList& list) {
        std::string value;
        for (const DxfEntity& e : list) {
            const std::string* t = TextOf(e);
            if (t == nullptr || !TextHasKey(*t, "Units", &value)) continue;
            if (auto u = PlotterUnitsOfUnitsText(value)) {
                out.unit = *u;
                out.unitSource = GarmentUnitSource::UnitsText;
                return true;
            }
        }
        return false;
    };
    if (fromList(drawing.Entities())) return;
    for (const DxfBlock& b : drawing.Blocks()) {
        if (fromList(b.entities)) return;
    }
    if (auto u = PlotterUnitsOfInsUnits(drawing.insUnits)) {
        out.unit = *u;
        out.unitSource = GarmentUnitSource::InsUnits;
    }
}

GarmentPlacement PlacementOf(const DxfBlock& block, const GarmentTransform& t, const std::string& layer) {
    GarmentPlacement p;
    p.block = block.number;
    p.transform = t;
    p.layerName = layer;
    p.pieceName = ValueOf(block.entities, "Piece Name");
    p.size = ValueOf(block.entities, "Size");
    return p;
}

}  // namespace

GarmentTransform GarmentTransform::Of(const DxfInsert& insert) {
    const double r = insert.rotation * kPi / 180.0;
    const double cs = std::cos(r), sn = std::sin(r);
    GarmentTransform t;
    t.a = cs * insert.scaleX;
    t.b = -sn * insert.scaleY;
    t.c = insert.insertion.x;
    t.d = sn * insert.scaleX;
    t.e = cs * insert.scaleY;
    t.f = insert.insertion.y;
    return t;
}

GarmentTransform GarmentTransform::After(const GarmentTransform& in) const {
    GarmentTransform t;
    t.a = a * in.a + b * in.d;
    t.b = a * in.b + b * in.e;
    t.c = a * in.c + b * in.f + c;
    t.d = d * in.a + e * in.d;
    t.e = d * in.b + e * in.e;
    t.f = d * in.c + e * in.f + f;
    return t;
}

double GarmentTransform::Scale() const {
    return std::max(std::hypot(a, d), std::hypot(b, e));
}

bool SameSize(const std::string& a, const std::string& b) { return Folded(a) == Folded(b); }

GarmentDrawing InspectGarmentDrawing(const DxfDrawing& drawing, std::int32_t dxfUnit) {
    GarmentDrawing out;
    std::vector<char> isPiece(drawing.Blocks().size(), 0);
    bool anyPiece = false, anyText = false;
    for (std::size_t i = 0; i < drawing.Blocks().size(); ++i) {
        const DxfBlock& b = drawing.Blocks()[i];
        isPiece[i] = HasBoundary(b) ? 1 : 0;
        anyPiece = anyPiece || isPiece[i];
        for (const DxfEntity& e : b.entities) {
            const std::string* t = TextOf(e);
            anyText = anyText || (t != nullptr && IsFormText(*t));
        }
    }
    for (const DxfEntity& e : drawing.Entities()) {
        const std::string* t = TextOf(e);
        anyText = anyText || (t != nullptr && IsFormText(*t));
    }
    if (!anyPiece || !anyText) return out;
    out.garment = true;
    FindUnits(drawing, dxfUnit, out);

    auto blockIndex = [&drawing](std::int32_t number) {
        const DxfBlock* b = drawing.Block(number);
        return b == nullptr ? drawing.Blocks().size() : static_cast<std::size_t>(b - drawing.Blocks().data());
    };
    // The loose entities first (style texts, a piece drawn without a block),
    // then every placed block in drawing order.
    GarmentPlacement loose;
    out.placements.push_back(loose);
    bool placedPiece = false;
    for (const DxfEntity& e : drawing.Entities()) {
        if (e.type != DxfEntityType::Insert) continue;
        const auto& insert = std::get<DxfInsert>(e.data);
        const std::size_t i = blockIndex(insert.block);
        if (i >= drawing.Blocks().size()) continue;
        out.placements.push_back(PlacementOf(drawing.Blocks()[i], GarmentTransform::Of(insert), e.layerName));
        placedPiece = placedPiece || isPiece[i];
    }
    // A file that defines its pieces without placing them: each piece once,
    // where its block draws it.
    if (!placedPiece) {
        for (std::size_t i = 0; i < drawing.Blocks().size(); ++i) {
            if (isPiece[i]) out.placements.push_back(PlacementOf(drawing.Blocks()[i], GarmentTransform{}, "0"));
        }
    }
    for (const GarmentPlacement& p : out.placements) {
        if (p.size.empty()) continue;
        const bool known = std::any_of(out.sizes.begin(), out.sizes.end(),
                                       [&p](const std::string& s) { return SameSize(s, p.size); });
        if (!known) out.sizes.push_back(p.size);
    }
    return out;
}

}  // namespace pv
