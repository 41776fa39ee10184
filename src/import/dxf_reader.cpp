#include "import/dxf_reader.h"

#include "import/dxf_entity_reader.h"
#include "import/dxf_table_reader.h"

namespace pv {

bool IsFileLevelMarker(std::string_view value) { return value == "SECTION" || value == "EOF"; }

bool DxfReader::ReadAll() {
    DxfGroup g;
    while (groups_.Find("SECTION")) {
        // A section cut off before its name is a file cut short.
        if (!groups_.Next(g)) return false;
        if (g.code == 0) {   // a section without a name
            groups_.StepBack();
            continue;
        }
        if (g.value == "TABLES") {
            if (!DxfTableReader(drawing_, groups_).ReadSection()) return false;
        } else if (g.value == "BLOCKS") {
            ReadBlocks();
        } else if (g.value == "ENTITIES") {
            ReadEntityList(-1, "ENDSEC");
        } else if (g.value == "HEADER") {
            ReadHeader();
        } else {
            SkipSection();   // any other section
        }
        // The input ended before the section did (no ENDSEC, no EOF, maybe a
        // group cut in half): the file was cut short, and a drawing missing
        // an unknown part of itself must not be cut as if it were whole.
        if (groups_.Ended()) return false;
    }
    return true;
}

void DxfReader::SkipSection() {
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code != 0) continue;
        if (g.value == "ENDSEC") return;
        if (IsFileLevelMarker(g.value)) {
            groups_.StepBack();
            return;
        }
    }
}

void DxfReader::ReadHeader() {
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code == 9 && g.value == "$INSUNITS") {
            if (!groups_.Next(g)) return;
            if (g.code == 70) {
                drawing_.insUnits = g.AsInt();
                continue;
            }
        }
        if (g.code != 0) continue;
        if (g.value == "ENDSEC") return;
        if (IsFileLevelMarker(g.value)) {
            groups_.StepBack();
            return;
        }
    }
}

void DxfReader::ReadBlocks() {
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code != 0) continue;
        if (g.value == "ENDSEC") return;
        if (IsFileLevelMarker(g.value)) {
            groups_.StepBack();
            return;
        }
        if (g.value != "BLOCK") continue;
        std::string name, altName, layer;
        bool hasName = false;
        std::int32_t flags = 0;
        while (groups_.Next(g)) {
            if (g.code == 0) {
                groups_.StepBack();
                break;
            }
            if (g.code == 2) {
                name = g.value.substr(0, kDxfMaxString);
                hasName = true;
            } else if (g.code == 3) {
                altName = g.value.substr(0, kDxfMaxString);
            } else if (g.code == 8) {
                layer = g.value.substr(0, kDxfMaxString);
            } else if (g.code == 70) {
                flags = g.AsInt();
            }
        }
        // A duplicate name, or a block beyond the last one kept, is not
        // created: its entities go to the top-level list.
        int block = drawing_.AddBlock(hasName ? std::move(name) : std::move(altName), std::move(layer), flags);
        ReadEntityList(block, "ENDBLK");
    }
}

void DxfReader::ReadEntityList(int block, std::string_view end) {
    DxfEntityReader entities(drawing_, groups_);
    DxfGroup g;
    while (groups_.Next(g)) {
        if (g.code != 0) continue;   // groups of an entity that is passed over
        if (g.value == end) return;
        // The end marker is missing: leave what follows to the caller.
        const bool inBlock = end == "ENDBLK";
        if (IsFileLevelMarker(g.value) || (inBlock && (g.value == "ENDSEC" || g.value == "BLOCK"))) {
            groups_.StepBack();
            return;
        }
        auto type = DxfEntityReader::TypeOf(g.value);
        if (!type) continue;
        if (auto entity = entities.Read(*type)) drawing_.AddEntity(std::move(*entity), block);
    }
}

namespace {

int Run(DxfDrawing& drawing, DxfGroupReader& groups) {
    const bool ok = DxfReader(drawing, groups).ReadAll();
    return ok && !groups.Failed() ? 1 : 0;
}

}  // namespace

int ReadDxf(DxfDrawing& drawing, const std::string& path) {
    DxfGroupReader groups;
    if (!groups.Open(path)) return 0;
    return Run(drawing, groups);
}

int ReadDxfBytes(DxfDrawing& drawing, const std::uint8_t* data, std::size_t size) {
    DxfGroupReader groups;
    groups.OpenMemory(data, size);
    return Run(drawing, groups);
}

}  // namespace pv
