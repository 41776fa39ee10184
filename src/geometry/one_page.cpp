#include "geometry/one_page.h"

#include <algorithm>
#include <ctime>

namespace pv {

namespace {

bool HasPoints(const CCurve& c) { return !c.points.empty(); }

}  // namespace

COnePage::COnePage() : fileTime(static_cast<std::int64_t>(std::time(nullptr))) {}

void COnePage::CopyFrom(const COnePage& other) {
    if (this == &other) return;
    filePath = other.filePath;
    fileName = other.fileName;
    maxX = other.maxX;
    minX = other.minX;
    maxY = other.maxY;
    minY = other.minY;
    startPosMm = other.startPosMm;
    curves.reserve(curves.size() + other.curves.size());
    for (const CCurve& c : other.curves) {
        CCurve copy;
        copy.CopyFrom(c);
        curves.push_back(std::move(copy));
    }
}

void COnePage::DeleteAllCurves() { curves.clear(); }

void COnePage::DeleteSelected() {
    std::erase_if(curves, [](const CCurve& c) { return c.selected != 0; });
}

void COnePage::DeleteCut() {
    std::erase_if(curves, [](const CCurve& c) { return c.kind != kDrawn; });
}

void COnePage::DeletePlot() {
    std::erase_if(curves, [](const CCurve& c) { return c.kind == kDrawn; });
}

void COnePage::ClearSelection() {
    for (CCurve& c : curves) c.selected = 0;
}

void COnePage::AllToCut() {
    for (CCurve& c : curves) {
        c.kind = kFullCut;
        c.role = kRoleNone;
    }
}

void COnePage::AllToPlot() {
    for (CCurve& c : curves) {
        c.kind = kDrawn;
        c.role = kRoleNone;
    }
}

void COnePage::SortByKind(bool plotFirst) {
    std::stable_partition(curves.begin(), curves.end(), [plotFirst](const CCurve& c) {
        return (c.kind == kDrawn) == plotFirst;
    });
}

bool COnePage::HasBothKinds() const {
    bool plot = false, cut = false;
    for (const CCurve& c : curves) {
        if (c.kind == kDrawn) plot = true;
        else if (c.kind >= kFullCut) cut = true;
        if (plot && cut) return true;
    }
    return false;
}

bool COnePage::HasCutAfterFirst() const {
    for (std::size_t i = 1; i < curves.size(); ++i)
        if (curves[i].kind != kDrawn) return true;
    return false;
}

// A curve without points has no bounds and takes no part in the union.
void COnePage::CalcBounds() {
    bool first = true;
    for (CCurve& c : curves) {
        if (!HasPoints(c)) continue;
        c.CalcBounds();
        if (first) {
            minX = c.minX, maxX = c.maxX, minY = c.minY, maxY = c.maxY;
            first = false;
        } else {
            minX = std::min(minX, c.minX);
            maxX = std::max(maxX, c.maxX);
            minY = std::min(minY, c.minY);
            maxY = std::max(maxY, c.maxY);
        }
    }
}

void COnePage::CalcPlotExtents() {
    plotMaxX = plotMaxY = 0;
    for (const CCurve& c : curves) {
        if (c.kind != kDrawn) continue;
        plotMaxX = std::max(plotMaxX, c.maxX);
        plotMaxY = std::max(plotMaxY, c.maxY);
    }
}

void COnePage::CalcCutExtents() {
    cutMaxX = cutMaxY = 0;
    for (const CCurve& c : curves) {
        if (c.kind == kDrawn) continue;
        cutMaxX = std::max(cutMaxX, c.maxX);
        cutMaxY = std::max(cutMaxY, c.maxY);
    }
}

void COnePage::CalcSelectionBounds() {
    anySelected = 0;
    selMaxX = selMinX = selMaxY = selMinY = 0;
    for (CCurve& c : curves) {
        if (c.selected == 0 || !HasPoints(c)) continue;
        c.CalcBounds();
        if (anySelected == 0) {
            selMinX = c.minX, selMaxX = c.maxX, selMinY = c.minY, selMaxY = c.maxY;
            anySelected = 1;
        } else {
            selMinX = std::min(selMinX, c.minX);
            selMaxX = std::max(selMaxX, c.maxX);
            selMinY = std::min(selMinY, c.minY);
            selMaxY = std::max(selMaxY, c.maxY);
        }
    }
}

void COnePage::OffsetAll(std::int32_t dx, std::int32_t dy) {
    for (CCurve& c : curves) c.Offset(dx, dy);
}

void COnePage::OffsetSelected(std::int32_t dx, std::int32_t dy) {
    for (CCurve& c : curves)
        if (c.selected != 0) c.Offset(dx, dy);
}

void COnePage::ScaleAll(double sx, double sy) {
    for (CCurve& c : curves) c.Scale(sx, sy);
}

void COnePage::RaiseBy(std::int32_t dy) {
    if (curves.empty() || dy == 0) return;
    OffsetAll(0, dy);
    maxY = ClampToInt32(std::int64_t{maxY} + dy);
    minY = 0;
}

void COnePage::ShiftForCleaning(std::int32_t dx) { OffsetAll(dx, 0); }

void COnePage::MoveToOrigin() {
    CalcBounds();
    OffsetAll(ClampToInt32(-std::int64_t{minX}), ClampToInt32(-std::int64_t{minY}));
    maxX = ClampToInt32(std::int64_t{maxX} - minX);
    maxY = ClampToInt32(std::int64_t{maxY} - minY);
    minX = minY = 0;
}

void COnePage::MoveToOriginIfNeeded() {
    CalcBounds();
    if (minX != 0) {
        OffsetAll(ClampToInt32(-std::int64_t{minX}), 0);
        maxX = ClampToInt32(std::int64_t{maxX} - minX);
        minX = 0;
    }
    if (minY < 0) {
        OffsetAll(0, ClampToInt32(-std::int64_t{minY}));
        maxY = ClampToInt32(std::int64_t{maxY} - minY);
        minY = 0;
    }
}

void COnePage::ApplyStartPos() {
    const std::int64_t skip = std::int64_t{40} * startPosMm;
    OffsetAll(ClampToInt32(-skip), 0);
    plotMaxX = ClampToInt32(plotMaxX - skip);
    cutMaxX = ClampToInt32(cutMaxX - skip);
    maxX = ClampToInt32(maxX - skip);
}

void COnePage::MirrorY() {
    CalcBounds();
    for (CCurve& c : curves) c.MirrorY(maxY);
}

void COnePage::Rotate90() {
    for (CCurve& c : curves)
        for (Point& p : c.points) p = {ClampToInt32(std::int64_t{maxY} - p.y), p.x};
    CalcBounds();
}

void COnePage::TidyAll() {
    for (CCurve& c : curves) c.Tidy();
    std::erase_if(curves, [](const CCurve& c) { return c.points.size() < 2; });
}

void COnePage::TidyFullCut() {
    for (CCurve& c : curves)
        if (c.kind == kFullCut) c.Tidy();
}

void COnePage::ExplodeSegments() {
    std::vector<CCurve> out;
    out.reserve(curves.size());
    for (CCurve& c : curves) {
        const std::size_t n = c.points.size();
        if (n < 2) continue;
        if (n == 2) {
            out.push_back(std::move(c));
            continue;
        }
        for (std::size_t i = 1; i < n; ++i) {
            CCurve seg;
            seg.CopyFieldsFrom(c);
            seg.points = {c.points[i - 1], c.points[i]};
            seg.CalcBounds();
            out.push_back(std::move(seg));
        }
    }
    curves = std::move(out);
}

void COnePage::SplitLongCutSpans() {
    for (CCurve& c : curves)
        if (c.kind >= kFullCut) c.SplitLongSpans();
}

void COnePage::ReverseSelected() {
    for (CCurve& c : curves)
        if (c.selected != 0) c.Reverse();
}

}  // namespace pv
