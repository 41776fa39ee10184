#include "import/dxf_drawing.h"

#include <algorithm>

namespace pv {

std::int32_t DxfDrawing::Find(const NameMap& names, std::string_view name) {
    auto it = names.find(name);
    return it == names.end() ? 0 : it->second;
}

template <typename T>
std::int32_t DxfDrawing::AddEntry(std::vector<T>& items, NameMap& names, std::size_t capacity, T entry) {
    if (items.size() >= capacity || names.contains(entry.name)) return 0;
    entry.number = nextTableNumber_++;
    names.emplace(entry.name, entry.number);
    items.push_back(std::move(entry));
    return items.back().number;
}

std::int32_t DxfDrawing::AddLineType(DxfLineType entry) {
    return AddEntry(lineTypes_, lineTypeNames_, kMaxLineTypes, std::move(entry));
}
std::int32_t DxfDrawing::AddLayer(DxfLayer entry) {
    return AddEntry(layers_, layerNames_, kMaxLayers, std::move(entry));
}
std::int32_t DxfDrawing::AddTextStyle(DxfTextStyle entry) {
    return AddEntry(textStyles_, textStyleNames_, kMaxTextStyles, std::move(entry));
}
std::int32_t DxfDrawing::AddDimStyle(DxfDimStyle entry) {
    return AddEntry(dimStyles_, dimStyleNames_, kMaxDimStyles, std::move(entry));
}

std::int32_t DxfDrawing::FindTextStyleByHandle(std::string_view handle) const {
    if (handle.empty()) return 0;
    for (const DxfTextStyle& s : textStyles_) {
        if (s.handle == handle) return s.number;
    }
    return 0;
}

int DxfDrawing::AddBlock(std::string name, std::string layerName, std::int32_t flags) {
    if (blocks_.size() >= kMaxBlocks || blockNames_.contains(name)) return -1;
    DxfBlock block;
    block.number = nextObjectNumber_++;
    block.name = std::move(name);
    block.layerName = std::move(layerName);
    block.flags = flags;
    blockNames_.emplace(block.name, block.number);
    blocks_.push_back(std::move(block));
    return static_cast<int>(blocks_.size()) - 1;
}

void DxfDrawing::AddEntity(DxfEntity entity, int block) {
    entity.number = nextObjectNumber_++;
    if (block >= 0 && static_cast<std::size_t>(block) < blocks_.size()) {
        blocks_[static_cast<std::size_t>(block)].entities.push_back(std::move(entity));
    } else {
        entities_.push_back(std::move(entity));
    }
}

}  // namespace pv
