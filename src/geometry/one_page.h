#pragma once
// One job's drawing: the curves read from one file, the file's identity,
// cached extents and the job bookkeeping the job list keeps.
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/curve.h"
#include "settings/edition.h"

namespace pv {

enum JobState : std::int32_t { kJobWaiting = 0, kJobPrinting = 1, kJobFinished = 2 };

// Results of AddJoinMarks and ManualYPaging.
enum PagingResult : int {
    kPagingDone = 0,
    kPagingNothingToDo = 1,   // no curves, or the drawing already fits the strip
    kPagingBadHeight = -1,    // strip height of 0 or less
    kPagingTooLarge = -2,     // the result would not fit in memory; page left as it was
};

class COnePage {
public:
    COnePage();

    std::vector<CCurve> curves;
    std::string filePath;
    std::string fileName;
    std::int32_t maxX = 0, minX = 0, maxY = 0, minY = 0;
    std::int32_t selMaxX = 0, selMinX = 0, selMaxY = 0, selMinY = 0;
    std::int32_t plotMaxX = 0, plotMaxY = 0;
    std::int32_t cutMaxX = 0, cutMaxY = 0;
    // Job entry.
    std::int32_t copies = 1;
    std::int32_t jobState = kJobWaiting;
    std::int32_t startPosMm = 0;      // mm
    std::int64_t fileTime = 0;        // seconds since the epoch
    std::int64_t fileSize = 0;        // bytes
    std::int32_t listSelected = 0;
    std::int32_t anySelected = 0;
    std::int32_t queued = 0;

    // Sets path, name, extents and start position from `other` and appends a
    // copy of each of its curves (nothing is deleted first).
    void CopyFrom(const COnePage& other);
    void DeleteAllCurves();
    void DeleteSelected();
    void DeleteCut();
    void DeletePlot();
    void ClearSelection();
    void AllToCut();
    void AllToPlot();
    void SortByKind(bool plotFirst);
    bool HasBothKinds() const;
    bool HasCutAfterFirst() const;
    void CalcBounds();
    void CalcPlotExtents();
    void CalcCutExtents();
    void CalcSelectionBounds();
    void OffsetAll(std::int32_t dx, std::int32_t dy);
    void OffsetSelected(std::int32_t dx, std::int32_t dy);
    void ScaleAll(double sx, double sy);
    void RaiseBy(std::int32_t dy);
    void ShiftForCleaning(std::int32_t dx = 1040);   // 26 mm for two heads
    void MoveToOrigin();
    void MoveToOriginIfNeeded();
    void ApplyStartPos();
    void MirrorY();
    void Rotate90();
    void TidyAll();
    void TidyFullCut();
    void ExplodeSegments();
    void SplitLongCutSpans();
    void ReverseSelected();

    void JoinTouching();
    // Two-head edition: does nothing above 8000 curves; four-head: no limit.
    void JoinNear(std::int32_t tolerance, Edition edition = Edition::TwoHead);
    // Marks along X at the strip edge y, where the strips are glued again
    // (nothing below a page length of 4000 units, 100 mm).
    int AddJoinMarks(std::int32_t y);
    // Cuts the drawing into strips h units high across the paper and lays
    // them side by side along X, 1200 units (30 mm) apart.
    int ManualYPaging(std::int32_t h);

    // Ceilings that keep absurd coordinates from exhausting memory: curves
    // of join marks per strip edge, and segments in flight while paging.
    static constexpr std::int64_t kMaxJoinMarkCurves = 2'000'000;
    static constexpr std::int64_t kMaxPagingSegments = 20'000'000;
    // Breaks the first selected curve at turns sharper than `degrees`.
    void BreakByAngle(double degrees);
};

}  // namespace pv
