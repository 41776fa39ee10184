#pragma once
// One parsed DXF file: the line-type, layer, text-style and dimension-style
// tables, the block definitions and the top-level entity list.  Table entries
// are numbered in one sequence, blocks and entities in another, each from 1
// in storage order.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "import/dxf_entities.h"
#include "import/dxf_tables.h"

namespace pv {

class DxfDrawing {
public:
    static constexpr std::size_t kMaxLineTypes = 128;
    static constexpr std::size_t kMaxLayers = 128;
    static constexpr std::size_t kMaxTextStyles = 128;
    static constexpr std::size_t kMaxDimStyles = 64;
    static constexpr std::size_t kMaxBlocks = 256;

    // Store an entry and return its number, or 0 when an entry of that name
    // exists already or the table is full (the entry is dropped).
    std::int32_t AddLineType(DxfLineType entry);
    std::int32_t AddLayer(DxfLayer entry);
    std::int32_t AddTextStyle(DxfTextStyle entry);
    std::int32_t AddDimStyle(DxfDimStyle entry);
    // Creates an empty block and returns its index in Blocks(), or -1 when a
    // block of that name exists or there are kMaxBlocks already.
    int AddBlock(std::string name, std::string layerName, std::int32_t flags);
    // Appends to the top-level list (block < 0) or to a block's list.
    void AddEntity(DxfEntity entity, int block = -1);

    // Look-ups by name (exact, letter case included); 0 when absent.
    std::int32_t FindLineType(std::string_view name) const { return Find(lineTypeNames_, name); }
    std::int32_t FindLayer(std::string_view name) const { return Find(layerNames_, name); }
    std::int32_t FindTextStyle(std::string_view name) const { return Find(textStyleNames_, name); }
    std::int32_t FindTextStyleByHandle(std::string_view handle) const;
    std::int32_t FindDimStyle(std::string_view name) const { return Find(dimStyleNames_, name); }
    std::int32_t FindBlock(std::string_view name) const { return Find(blockNames_, name); }

    // Look-ups by number; nullptr when no entry of that kind has it.
    const DxfLineType* LineType(std::int32_t number) const { return ByNumber(lineTypes_, number); }
    const DxfLayer* Layer(std::int32_t number) const { return ByNumber(layers_, number); }
    const DxfTextStyle* TextStyle(std::int32_t number) const { return ByNumber(textStyles_, number); }
    const DxfDimStyle* DimStyle(std::int32_t number) const { return ByNumber(dimStyles_, number); }
    const DxfBlock* Block(std::int32_t number) const { return ByNumber(blocks_, number); }

    const std::vector<DxfLineType>& LineTypes() const { return lineTypes_; }
    const std::vector<DxfLayer>& Layers() const { return layers_; }
    const std::vector<DxfTextStyle>& TextStyles() const { return textStyles_; }
    const std::vector<DxfDimStyle>& DimStyles() const { return dimStyles_; }
    const std::vector<DxfBlock>& Blocks() const { return blocks_; }
    const DxfEntityList& Entities() const { return entities_; }

    // $INSUNITS of the header (the drawing unit's code: 1 inch, 4 mm, 5 cm
    // ...); 0 when the header does not give it.
    std::int32_t insUnits = 0;

private:
    using NameMap = std::map<std::string, std::int32_t, std::less<>>;
    static std::int32_t Find(const NameMap& names, std::string_view name);
    template <typename T>
    static const T* ByNumber(const std::vector<T>& items, std::int32_t number);
    template <typename T>
    std::int32_t AddEntry(std::vector<T>& items, NameMap& names, std::size_t capacity, T entry);

    std::vector<DxfLineType> lineTypes_;
    std::vector<DxfLayer> layers_;
    std::vector<DxfTextStyle> textStyles_;
    std::vector<DxfDimStyle> dimStyles_;
    std::vector<DxfBlock> blocks_;
    DxfEntityList entities_;
    NameMap lineTypeNames_, layerNames_, textStyleNames_, dimStyleNames_, blockNames_;
    std::int32_t nextTableNumber_ = 1;
    std::int32_t nextObjectNumber_ = 1;
};

template <typename T>
inline const T* DxfDrawing::ByNumber(const std::vector<T>& items, std::int32_t number) {
    // Numbers grow in storage order, so each list is sorted by them.
    auto it = std::lower_bound(items.begin(), items.end(), number,
                               [](const T& item, std::int32_t n) { return item.number < n; });
    return it != items.end() && it->number == number ? &*it : nullptr;
}

}  // namespace pv
