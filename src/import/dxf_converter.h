#pragma once
// Turns the entities of a parsed DXF drawing into drawn curves of a page, in
// plotter units (DxfUnit plotter units per drawing unit), and TEXT entities
// into HPGL label commands for the stroke fonts.
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/one_page.h"
#include "import/dxf_drawing.h"

namespace pv {

class DxfConverter {
public:
    // Blocks nested deeper than this are not expanded.
    static constexpr int kMaxBlockDepth = 64;
    // Points, entities and label bytes one drawing may produce; a drawing
    // that would produce more (blocks inserted into blocks many times over)
    // is refused rather than exhausting memory.
    static constexpr std::int64_t kMaxWork = 16'000'000;
    // What one curve counts for beside its points (its own bookkeeping).
    static constexpr std::int64_t kCurveWork = 16;
    // Circles are cut into at most this many segments.
    static constexpr std::int64_t kMaxCircleSegments = 100'000;

    // `labels` receives the HPGL text of every TEXT entity converted.
    DxfConverter(const DxfDrawing& drawing, COnePage& page, std::int32_t unit, std::string& labels)
        : drawing_(drawing), page_(page), unit_(unit), labels_(labels) {}

    // Appends what one entity contributes.  False once the drawing has
    // produced more than kMaxWork; the page then holds a partial result.
    bool ConvertEntity(const DxfEntity& entity);
    bool Exhausted() const { return work_ > kMaxWork; }
    // The work the top-level entities would take, counted without building
    // anything (saturating just above kMaxWork): refuses a drawing whose
    // blocks multiply out of bounds before any memory is spent on it.
    std::int64_t EstimateWork();
    bool WroteLabels() const { return wroteLabels_; }

private:
    void Convert(const DxfEntity& entity, int depth);
    bool LayerOff(const DxfEntity& entity) const;
    void ConvertBlock(std::int32_t block, int depth);
    void AddLine(const DxfLine& line);
    void AddCircle(const DxfCircle& circle);
    void AddArc(const DxfArc& arc);
    void AddPolyline(const DxfPolyline& polyline);
    void AddText(const DxfText& text);
    Point Scaled(double x, double y) const;
    // Appends a new drawn curve and counts its points against the budget.
    void Append(std::vector<Point> points);

    std::int64_t Estimate(const DxfEntity& entity, int depth);
    std::int64_t EstimateBlock(std::int32_t block, int depth);
    std::int64_t CircleSegments(const DxfCircle& circle) const;
    std::int64_t ArcSegments(const DxfArc& arc, double sweep) const;

    const DxfDrawing& drawing_;
    COnePage& page_;
    std::int32_t unit_;
    std::string& labels_;
    std::vector<std::int32_t> openBlocks_;   // blocks being expanded, outermost first
    std::int64_t work_ = 0;
    bool wroteLabels_ = false;
    std::vector<std::int64_t> blockWork_;   // estimate per block index, -1 not yet known
};

}  // namespace pv
