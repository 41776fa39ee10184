#include "import/dxf_entity_reader.h"

#include <string>
#include <utility>

namespace pv {

namespace {

std::string CutString(std::string_view v) { return std::string(v.substr(0, kDxfMaxString)); }

// Groups base, base+10 and base+20 are the x, y and z of one point.
bool SetCoord(DxfVec& v, const DxfGroup& g, int base) {
    if (g.code == base) v.x = g.AsDouble();
    else if (g.code == base + 10) v.y = g.AsDouble();
    else if (g.code == base + 20) v.z = g.AsDouble();
    else return false;
    return true;
}

// Names that become numbers once the entity's groups are all read.
struct PendingNames {
    std::string block;   // INSERT, DIMENSION: 2
    std::string style;   // TEXT: 7, DIMENSION: 3
    bool hasBlock = false;
};

void Apply(DxfLine& e, const DxfGroup& g, PendingNames&) {
    SetCoord(e.start, g, 10) || SetCoord(e.end, g, 11);
}
void Apply(DxfPoint& e, const DxfGroup& g, PendingNames&) { SetCoord(e.at, g, 10); }
void Apply(DxfCircle& e, const DxfGroup& g, PendingNames&) {
    if (!SetCoord(e.centre, g, 10) && g.code == 40) e.radius = g.AsDouble();
}
void Apply(DxfEllipse& e, const DxfGroup& g, PendingNames&) {
    if (SetCoord(e.centre, g, 10) || SetCoord(e.majorAxisEnd, g, 11)) return;
    if (g.code == 40) e.ratio = g.AsDouble();
    else if (g.code == 41) e.startParam = g.AsDouble();
    else if (g.code == 42) e.endParam = g.AsDouble();
}
void Apply(DxfText& e, const DxfGroup& g, PendingNames& names) {
    if (SetCoord(e.insertion, g, 10) || SetCoord(e.alignment, g, 11)) return;
    switch (g.code) {
        case 1: e.text = CutString(g.value); break;
        case 7: names.style = CutString(g.value); break;
        case 40: e.height = g.AsDouble(); break;
        case 41: e.widthFactor = g.AsDouble(); break;
        case 50: e.rotation = g.AsDouble(); break;
        case 72: e.hJustify = g.AsInt(); break;
        case 73: e.vJustify = g.AsInt(); break;
        default: break;
    }
}
void Apply(DxfArc& e, const DxfGroup& g, PendingNames&) {
    if (SetCoord(e.centre, g, 10)) return;
    if (g.code == 40) e.radius = g.AsDouble();
    else if (g.code == 50) e.startAngle = g.AsDouble();
    else if (g.code == 51) e.endAngle = g.AsDouble();
}
void Apply(DxfSolid& e, const DxfGroup& g, PendingNames&) {
    for (int i = 0; i < 4; ++i) {
        if (SetCoord(e.corners[i], g, 10 + i)) return;
    }
}
void Apply(DxfInsert& e, const DxfGroup& g, PendingNames& names) {
    if (SetCoord(e.insertion, g, 10)) return;
    switch (g.code) {
        case 2: names.block = CutString(g.value); names.hasBlock = true; break;
        case 41: e.scaleX = g.AsDouble(); break;
        case 42: e.scaleY = g.AsDouble(); break;
        case 43: e.scaleZ = g.AsDouble(); break;
        case 50: e.rotation = g.AsDouble(); break;
        default: break;
    }
}
void Apply(DxfPolyline& e, const DxfGroup& g, PendingNames&) {
    if (g.code == 70) e.flags = g.AsInt();
}
void Apply(DxfDimension& e, const DxfGroup& g, PendingNames& names) {
    if (SetCoord(e.definition, g, 10) || SetCoord(e.extension1, g, 13) || SetCoord(e.extension2, g, 14)) return;
    switch (g.code) {
        case 1: e.text = CutString(g.value); break;
        case 2: names.block = CutString(g.value); names.hasBlock = true; break;
        case 3: names.style = CutString(g.value); break;
        case 53: e.angle = g.AsDouble(); break;
        default: break;
    }
}

DxfEntityData MakeData(DxfEntityType type) {
    switch (type) {
        case DxfEntityType::Line: return DxfLine{};
        case DxfEntityType::Point: return DxfPoint{};
        case DxfEntityType::Circle: return DxfCircle{};
        case DxfEntityType::Ellipse: return DxfEllipse{};
        case DxfEntityType::Text: return DxfText{};
        case DxfEntityType::Arc: return DxfArc{};
        case DxfEntityType::Solid: return DxfSolid{};
        case DxfEntityType::Insert: return DxfInsert{};
        case DxfEntityType::Polyline: return DxfPolyline{};
        case DxfEntityType::Dimension: return DxfDimension{};
    }
    return DxfLine{};
}

}  // namespace

std::optional<DxfEntityType> DxfEntityReader::TypeOf(std::string_view name) {
    static constexpr std::pair<std::string_view, DxfEntityType> kNames[] = {
        {"LINE", DxfEntityType::Line},         {"POINT", DxfEntityType::Point},
        {"CIRCLE", DxfEntityType::Circle},     {"ELLIPSE", DxfEntityType::Ellipse},
        {"TEXT", DxfEntityType::Text},         {"ARC", DxfEntityType::Arc},
        {"SOLID", DxfEntityType::Solid},       {"INSERT", DxfEntityType::Insert},
        {"POLYLINE", DxfEntityType::Polyline}, {"DIMENSION", DxfEntityType::Dimension},
    };
    for (const auto& [n, t] : kNames) {
        if (n == name) return t;
    }
    return std::nullopt;
}

std::optional<DxfEntity> DxfEntityReader::Read(DxfEntityType type) {
    DxfEntity entity;
    entity.type = type;
    entity.data = MakeData(type);
    PendingNames names;
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code == 0) {
            groups_.StepBack();
            break;
        }
        switch (g.code) {
            case 8:
                entity.layerName = CutString(g.value);
                entity.layer = drawing_.FindLayer(entity.layerName);
                break;
            case 6: entity.lineType = drawing_.FindLineType(g.value.substr(0, kDxfMaxString)); break;
            case 62: entity.colour = g.AsInt(); break;
            case 39: entity.thickness = g.AsDouble(); break;
            case 48: entity.lineTypeScale = g.AsDouble(); break;
            default: std::visit([&](auto& data) { Apply(data, g, names); }, entity.data); break;
        }
    }
    if (auto* polyline = std::get_if<DxfPolyline>(&entity.data)) ReadVertices(*polyline);

    if (auto* text = std::get_if<DxfText>(&entity.data)) {
        text->style = drawing_.FindTextStyle(names.style);
    } else if (auto* insert = std::get_if<DxfInsert>(&entity.data)) {
        insert->block = names.hasBlock ? drawing_.FindBlock(names.block) : 0;
        if (insert->block == 0) return std::nullopt;
    } else if (auto* dim = std::get_if<DxfDimension>(&entity.data)) {
        dim->block = names.hasBlock ? drawing_.FindBlock(names.block) : 0;
        dim->style = drawing_.FindDimStyle(names.style);
    }
    return entity;
}

void DxfEntityReader::ReadVertices(DxfPolyline& polyline) {
    DxfGroup g;
    while (groups_.Next(g)) {
        if (!g.Is(0, "VERTEX")) {
            groups_.StepBack();
            return;
        }
        DxfVertex vertex;
        while (groups_.Next(g)) {
            if (g.code == 0) {
                groups_.StepBack();
                break;
            }
            if (!SetCoord(vertex.at, g, 10) && g.code == 42) vertex.bulge = g.AsDouble();
        }
        polyline.vertices.push_back(vertex);
    }
}

}  // namespace pv
