#include "import/dxf_table_reader.h"

#include <string>

#include "import/dxf_reader.h"

namespace pv {

namespace {

std::string CutString(std::string_view v) { return std::string(v.substr(0, kDxfMaxString)); }

bool IsKnownTable(std::string_view name) {
    return name == "LAYER" || name == "LTYPE" || name == "STYLE" || name == "DIMSTYLE";
}

}  // namespace

bool DxfTableReader::ReadSection() {
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code != 0) continue;
        if (g.value == "ENDSEC") return true;
        if (IsFileLevelMarker(g.value)) {   // a section without its end
            groups_.StepBack();
            return true;
        }
        if (g.value != "TABLE") continue;
        if (!groups_.Next(g)) return true;
        if (g.code == 0) {
            groups_.StepBack();
            continue;
        }
        std::string name(g.value);
        if (IsKnownTable(name) && !ReadTable(name)) return false;
    }
    return true;
}

bool DxfTableReader::ReadTable(std::string_view name) {
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code != 0) continue;   // the table's own header groups
        if (g.value == "ENDTAB") return true;
        if (g.value != name) {       // a table without its end
            groups_.StepBack();
            return true;
        }
        if (!ReadEntry(name)) return false;
    }
    return true;
}

// Calls f for each group of one entry, up to the next group with code 0,
// which is left to be read again.
template <typename F>
void DxfTableReader::ForEachEntryGroup(F f) {
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code == 0) {
            groups_.StepBack();
            return;
        }
        f(g);
    }
}

bool DxfTableReader::ReadEntry(std::string_view table) {
    if (table == "LTYPE") ReadLineType();
    else if (table == "LAYER") return ReadLayer();
    else if (table == "STYLE") ReadTextStyle();
    else ReadDimStyle();
    return true;
}

void DxfTableReader::ReadLineType() {
    DxfLineType e;
    ForEachEntryGroup([&](const DxfGroup& g) {
        switch (g.code) {
            case 2: e.name = CutString(g.value); break;
            case 3: e.description = CutString(g.value); break;
            case 70: e.flags = g.AsInt(); break;
            case 73: e.elementCount = g.AsInt(); break;
            case 40: e.patternLength = g.AsDouble(); break;
            case 49:
                if (e.elements.size() < DxfLineType::kMaxElements) e.elements.push_back(g.AsDouble());
                break;
            default: break;
        }
    });
    drawing_.AddLineType(std::move(e));
}

bool DxfTableReader::ReadLayer() {
    DxfLayer e;
    std::string lineType;
    bool hasLineType = false;
    ForEachEntryGroup([&](const DxfGroup& g) {
        switch (g.code) {
            case 2: e.name = CutString(g.value); break;
            case 70: e.flags = g.AsInt(); break;
            case 62: e.colour = g.AsInt(); break;
            case 6: lineType = CutString(g.value); hasLineType = true; break;
            default: break;
        }
    });
    // A duplicate, or one beyond the table's capacity, is dropped before its
    // line type is looked at.
    if (drawing_.FindLayer(e.name) != 0 || drawing_.Layers().size() >= DxfDrawing::kMaxLayers) return true;
    e.lineType = hasLineType ? drawing_.FindLineType(lineType) : 0;
    if (e.lineType == 0) return false;
    drawing_.AddLayer(std::move(e));
    return true;
}

void DxfTableReader::ReadTextStyle() {
    DxfTextStyle e;
    ForEachEntryGroup([&](const DxfGroup& g) {
        switch (g.code) {
            case 2: e.name = CutString(g.value); break;
            case 3: e.fontFile = CutString(g.value); break;
            case 5: e.handle = CutString(g.value); break;
            case 70: e.flags = g.AsInt(); break;
            case 71: e.generationFlags = g.AsInt(); break;
            case 40: e.height = g.AsDouble(); break;
            case 41: e.widthFactor = g.AsDouble(); break;
            case 42: e.lastHeight = g.AsDouble(); break;
            case 50: e.obliqueAngle = g.AsDouble(); break;
            default: break;
        }
    });
    drawing_.AddTextStyle(std::move(e));
}

void DxfTableReader::ReadDimStyle() {
    DxfDimStyle e;
    std::string textStyle;
    ForEachEntryGroup([&](const DxfGroup& g) {
        switch (g.code) {
            case 2: e.name = CutString(g.value); break;
            case 70: e.flags = g.AsInt(); break;
            case 41: e.arrowSize = g.AsDouble(); break;
            case 42: e.extOffset = g.AsDouble(); break;
            case 44: e.extExtension = g.AsDouble(); break;
            case 46: e.dimLineExtension = g.AsDouble(); break;
            case 140: e.textHeight = g.AsDouble(); break;
            case 147: e.linearFactor = g.AsDouble(); break;
            case 77: e.textVertical = g.AsInt(); break;
            case 176: e.dimLineColour = g.AsInt(); break;
            case 177: e.extLineColour = g.AsInt(); break;
            case 178: e.textColour = g.AsInt(); break;
            case 340: textStyle = CutString(g.value); break;
            default: break;
        }
    });
    // Group 340 names the text style, or in newer files gives its handle.
    e.textStyle = drawing_.FindTextStyle(textStyle);
    if (e.textStyle == 0) e.textStyle = drawing_.FindTextStyleByHandle(textStyle);
    if (e.textStyle == 0) return;
    drawing_.AddDimStyle(std::move(e));
}

}  // namespace pv
