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

    // Ceiling on what one read may record (about 256 MB of parameters and
    // 800 MB of records).  A garment file of 40 MB records a small part of
    // it; only a crafted file (say megabytes of label text, each byte
    // becoming dozens of stroke points) reaches it.  Once reached, every
    // further addition is dropped and Full() stays true until Clear().
    static constexpr std::size_t kMaxParams = std::size_t{1} << 26;
    static constexpr std::size_t kMaxRecords = std::size_t{1} << 26;
    // Lower ceilings, for tests of what happens when they are reached.
    void SetLimits(std::size_t maxRecords, std::size_t maxParams) {
        maxRecords_ = maxRecords;
        maxParams_ = maxParams;
    }

    void Clear() { records_.clear(); pool_.clear(); full_ = false; }
    bool Empty() const { return records_.empty(); }
    std::size_t Size() const { return records_.size(); }
    bool Full() const { return full_; }

    void AddMove(std::int32_t x, std::int32_t y) {
        if (!Room(2)) return;
        records_.push_back({PlotKind::Move, static_cast<std::uint32_t>(pool_.size()), 2});
        pool_.push_back(x);
        pool_.push_back(y);
    }
    // Starts an empty Draw; points go to it with AppendToDraw.
    void BeginDraw() { AddEmpty(PlotKind::Draw); }
    // Appends a point to the last record, which must be a Draw that is still
    // the newest parameter owner (nothing was recorded after it).
    void AppendToDraw(std::int32_t x, std::int32_t y) {
        if (full_ || pool_.size() + 2 > maxParams_) {
            full_ = true;
            return;
        }
        pool_.push_back(x);
        pool_.push_back(y);
        records_.back().count += 2;
    }
    bool LastIsDraw() const { return !records_.empty() && records_.back().kind == PlotKind::Draw; }
    void AddPage() { AddEmpty(PlotKind::Page); }
    void AddLineType() { AddEmpty(PlotKind::LineType); }
    void AddLineType(std::int32_t v) { AddOne(PlotKind::LineType, v); }
    void AddPen() { AddEmpty(PlotKind::Pen); }
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
    // True when one more record with `params` parameters fits; otherwise the
    // list becomes full (and stays so, so that no later AppendToDraw can add
    // points to an older Draw).
    bool Room(std::size_t params) {
        if (full_ || records_.size() + 1 > maxRecords_ || pool_.size() + params > maxParams_) {
            full_ = true;
            return false;
        }
        return true;
    }
    void AddEmpty(PlotKind k) {
        if (!Room(0)) return;
        records_.push_back({k, static_cast<std::uint32_t>(pool_.size()), 0});
    }
    void AddOne(PlotKind k, std::int32_t v) {
        if (!Room(1)) return;
        records_.push_back({k, static_cast<std::uint32_t>(pool_.size()), 1});
        pool_.push_back(v);
    }
    std::vector<Record> records_;
    std::vector<std::int32_t> pool_;
    bool full_ = false;
    std::size_t maxRecords_ = kMaxRecords;
    std::size_t maxParams_ = kMaxParams;
};

}  // namespace pv
