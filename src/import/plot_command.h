#pragma once
// The pen actions recorded by the HPGL reader, kept flat: one record per
// action and all parameters in one shared pool, so a 40 MB file does not
// become millions of small allocations.
#include <cstdint>
#include <span>
#include <vector>

namespace pv {

enum class PlotKind : std::int32_t {
    Draw = 20,       // x1, y1, x2, y2, ...: pen-down path from the preceding Move
    Move = 21,       // x, y: start of the following Draw
    Page = 22,       // no parameters
    LineType = 23,   // none or one value 0/1
    Pen = 24,        // none or one value: pen number
};

class PlotCommandList {
public:
    struct Record {
        PlotKind kind;
        std::uint32_t first;   // index into the pool
        std::uint32_t count;   // number of int32 parameters
    };

    void Clear() { records_.clear(); pool_.clear(); }
    bool Empty() const { return records_.empty(); }
    std::size_t Size() const { return records_.size(); }

    void AddMove(std::int32_t x, std::int32_t y) {
        records_.push_back({PlotKind::Move, static_cast<std::uint32_t>(pool_.size()), 2});
        pool_.push_back(x);
        pool_.push_back(y);
    }
    // Starts an empty Draw; points go to it with AppendToDraw.
    void BeginDraw() { records_.push_back({PlotKind::Draw, static_cast<std::uint32_t>(pool_.size()), 0}); }
    // Appends a point to the last record, which must be a Draw that is still
    // the newest parameter owner (nothing was recorded after it).
    void AppendToDraw(std::int32_t x, std::int32_t y) {
        pool_.push_back(x);
        pool_.push_back(y);
        records_.back().count += 2;
    }
    bool LastIsDraw() const { return !records_.empty() && records_.back().kind == PlotKind::Draw; }
    void AddPage() { records_.push_back({PlotKind::Page, static_cast<std::uint32_t>(pool_.size()), 0}); }
    void AddLineType() { records_.push_back({PlotKind::LineType, static_cast<std::uint32_t>(pool_.size()), 0}); }
    void AddLineType(std::int32_t v) { AddOne(PlotKind::LineType, v); }
    void AddPen() { records_.push_back({PlotKind::Pen, static_cast<std::uint32_t>(pool_.size()), 0}); }
    void AddPen(std::int32_t v) { AddOne(PlotKind::Pen, v); }

    const std::vector<Record>& Records() const { return records_; }
    std::span<const std::int32_t> Params(const Record& r) const {
        return {pool_.data() + r.first, r.count};
    }

    void Reserve(std::size_t records, std::size_t params) {
        records_.reserve(records);
        pool_.reserve(params);
    }

private:
    void AddOne(PlotKind k, std::int32_t v) {
        records_.push_back({k, static_cast<std::uint32_t>(pool_.size()), 1});
        pool_.push_back(v);
    }
    std::vector<Record> records_;
    std::vector<std::int32_t> pool_;
};

}  // namespace pv
