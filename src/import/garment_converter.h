#pragma once
// Turns a garment DXF drawing into the curves of a page by the meaning of
// each layer: piece boundaries become one closed cut curve per placed piece,
// internal cut-outs are cut, internal, sew, grain, mirror and reference lines
// drawn, notches become marks (cut when CutNotch is on), drill holes small
// drawn crosses; turn and curve points are left out.  Where a piece carries
// a quality-validation copy of a layer (84..87) the copy is used instead of
// the coarse layer, never both.  Annotation texts and the piece's name and
// size become HPGL labels for the stroke fonts.
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/one_page.h"
#include "import/chain_joiner.h"
#include "import/dxf_drawing.h"
#include "import/garment_drawing.h"

namespace pv {

class GarmentConverter {
public:
    // Ends of boundary parts closer than this (plotter units, 0.5 mm) are
    // one point of the piece's outline.
    static constexpr std::int32_t kJoinTolerance = 20;
    // Half the arm of a drill-hole cross: 2 mm.
    static constexpr std::int32_t kDrillArm = 80;

    // `sizes`: the sizes to keep (empty: all).  `labels` receives the HPGL
    // text of the labels.
    GarmentConverter(const DxfDrawing& drawing, const GarmentDrawing& garment, COnePage& page, std::int32_t cutNotch,
                     std::vector<std::string> sizes, std::string& labels);

    // Appends the chosen pieces.  False when the drawing would produce more
    // than DxfConverter::kMaxWork; the page then holds a partial result.
    bool Convert();
    bool WroteLabels() const { return wroteLabels_; }

private:
    struct Parts;
    bool Chosen(const GarmentPlacement& placement) const;
    void CollectList(const DxfEntityList& list, const GarmentTransform& t, const std::string& inherited, int depth,
                     bool skipInserts, Parts& parts);
    void Collect(const DxfEntity& e, const GarmentTransform& t, const std::string& inherited, int depth, Parts& parts);
    Polyline Shape(const DxfEntity& e, const GarmentTransform& t);
    void AddLabel(const DxfText& text, const GarmentTransform& t);
    void Emit(Parts& parts);
    void Append(Polyline points, std::int32_t kind, std::int32_t role);
    Point ToPlotter(const GarmentTransform& t, double x, double y) const;
    bool Spend(std::int64_t work);

    const DxfDrawing& drawing_;
    const GarmentDrawing& garment_;
    COnePage& page_;
    std::int32_t cutNotch_;
    std::vector<std::string> sizes_;
    std::string& labels_;
    std::vector<std::int32_t> openBlocks_;
    std::int64_t work_ = 0;
    bool wroteLabels_ = false;
};

}  // namespace pv
