#pragma once
// Builds the curves of a page from the HPGL reader's recorded pen actions in
// one walk: consecutive draws that meet end to start stay one curve, a pen
// change splits ink from knife, a page command starts the next page to the
// right (along X) of everything drawn so far.
#include <cstdint>
#include <vector>

#include "geometry/one_page.h"
#include "import/plot_command.h"

namespace pv {

class HpglPageBuilder {
public:
    explicit HpglPageBuilder(COnePage& page) : page_(page) {}
    // Appends the curves to the page (curves already there stay in front).
    void Build(const PlotCommandList& commands);

private:
    void MoveTo(Point p);
    void SelectPen(bool hasPen, std::int32_t pen);
    void NextPage();
    void Flush();                 // the current curve, if it has points, goes to the page
    void Extend(CCurve& c);       // bounds of c, folded into the page's extents
    Point Shifted(std::int32_t x, std::int32_t y) const;

    COnePage& page_;
    std::vector<Point> points_;   // the current curve's points
    std::int32_t curveKind_ = kDrawn;
    std::int32_t curveLineType_ = 0;
    std::int32_t kind_ = kDrawn;  // kind of the selected pen
    std::int32_t lineType_ = 0;
    std::int32_t xOffset_ = 0;    // start of the current page along X
    // The page's extents, kept up to date curve by curve so that a page
    // command costs nothing however many there are.
    bool haveExtents_ = false;
    std::int32_t minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
};

}  // namespace pv
