#pragma once
// Marks the curves that lie inside outer outlines (role 4, drawn).  The
// outcome is that of comparing every outline with every other curve in list
// order; pairs whose boxes show that no containment test could succeed are
// never looked at.
#include <cstdint>
#include <vector>

#include "geometry/one_page.h"

namespace pv {

class InnerLineMarker {
public:
    explicit InnerLineMarker(COnePage& page) : page_(page) {}
    void Run();

private:
    // Where ContainsPoint of a curve can answer true: its box, and the band
    // left of the box that the gap between its last and first point leaves
    // open (the winding test does not close the ring).
    struct Reach {
        std::int32_t minX, maxX, minY, maxY;
        std::int32_t gapLo, gapHi;   // band gapLo <= y < gapHi, left of minX
    };
    enum class Relation { Unrelated, QInP, PInQ };

    bool Inside(std::size_t curve, const Point& pt) const;
    Relation Relate(std::size_t p, std::size_t q) const;
    void BuildIndex();
    // Indices of the curves that can relate to outline p, in list order.
    void Candidates(std::size_t p, std::vector<std::size_t>& out);

    COnePage& page_;
    std::vector<Reach> reach_;
    bool pruned_ = false;

    // Boxes filed in a uniform grid; boxes covering many cells kept aside.
    std::int64_t gridX0_ = 0, gridY0_ = 0, cell_ = 1;
    std::int64_t cols_ = 0, rows_ = 0;
    std::vector<std::vector<std::uint32_t>> cells_;
    std::vector<std::uint32_t> oversize_;
    // Sample points of every curve sorted by y, for the open band left of an
    // outline; gap bands of the cut curves sorted by their low end.
    struct Sample {
        std::int32_t y, x;
        std::uint32_t curve;
    };
    std::vector<Sample> samples_;
    struct Band {
        std::int32_t lo, hi, minX;
        std::uint32_t curve;
    };
    std::vector<Band> bands_;
    std::vector<std::uint32_t> stamp_;
    std::uint32_t stampNow_ = 0;
};

}  // namespace pv
