#pragma once
// One polyline of a drawing: a drawn (ink) line or one of the knife kinds.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/point.h"

namespace pv {

enum CurveKind : std::int32_t {
    kDrawn = 1,      // ink
    kFullCut = 2,    // knife 'F'
    kHalfCut = 3,    // bridge left in a cut line, knife 'H'
    kDotGap = 4,     // gap between dots of a dotted cut, 'N'
    kDot = 5,        // punched dot, 'D'
};

enum CurveRole : std::int32_t {
    kRoleNone = 0,
    kRoleTried = 1,     // took part in outline recognition, not an outline
    kRoleOutline = 2,   // outer outline of a piece
    kRoleNotch = 3,     // T or I notch split off an outline
    kRoleInner = 4,     // line inside an outer outline
};

class CCurve {
public:
    std::vector<Point> points;
    std::int32_t selected = 0;
    std::int32_t lineType = 0;   // 0 solid, 1 dashed
    std::int32_t isTNotch = 0;
    std::int32_t isINotch = 0;
    std::int32_t closed = 0;
    std::int32_t role = kRoleNone;
    std::int32_t kind = kDrawn;
    std::int32_t minX = 0, maxX = 0, minY = 0, maxY = 0;
    double length = 0.0;         // plotter units

    bool IsCut() const { return kind >= kFullCut; }
    bool IsNotch() const { return isTNotch != 0 || isINotch != 0; }

    // Copies selection, kind, line type, bounds, role and points; not the
    // notch flags, the closed flag or the length.
    void CopyFrom(const CCurve& other);
    // The same fields as CopyFrom, without the points.
    void CopyFieldsFrom(const CCurve& other);
    void CalcBounds();
    void CalcLength();
    void Offset(std::int32_t dx, std::int32_t dy);
    void Scale(double sx, double sy);          // products truncated toward zero
    void MirrorY(std::int32_t h);
    void Reverse();
    void RemoveDuplicates();
    void RemoveCollinear();
    void Tidy();
    int TestClosed();
    // Halves every segment whose X extent exceeds 40000 units (1000 mm)
    // until none does.  A curve that would grow beyond kMaxSplitPoints is
    // left as it was and false is returned (only absurd coordinates do that).
    bool SplitLongSpans();
    static constexpr std::size_t kMaxSplitPoints = std::size_t{1} << 24;
    bool ContainsPoint(std::int32_t px, std::int32_t py) const;

    // Over-cut: prolongs the last segment by d units (curves of 10 mm and up).
    void ExtendEnd(double d);
    // Drag-knife lead-in: an arc of radius r about the start that turns the
    // trailing blade from `heading` into the first segment's direction.
    void AddKnifeLeadIn(double r, double heading);
};

}  // namespace pv
