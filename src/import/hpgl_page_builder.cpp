#include "import/hpgl_page_builder.h"

#include <algorithm>

namespace pv {

void HpglPageBuilder::Build(const PlotCommandList& commands) {
    points_.clear();
    curveKind_ = kind_ = kDrawn;
    curveLineType_ = lineType_ = 0;
    xOffset_ = 0;
    haveExtents_ = false;
    for (CCurve& c : page_.curves) Extend(c);
    for (const PlotCommandList::Record& r : commands.Records()) {
        const auto v = commands.Params(r);
        switch (r.kind) {
            case PlotKind::Draw:
                for (std::size_t i = 0; i + 1 < v.size(); i += 2) points_.push_back(Shifted(v[i], v[i + 1]));
                break;
            case PlotKind::Move:
                if (v.size() >= 2) MoveTo(Shifted(v[0], v[1]));
                break;
            case PlotKind::Pen:
                SelectPen(!v.empty(), v.empty() ? 0 : v[0]);
                break;
            case PlotKind::LineType:
                // Applies to curves started from now on.
                lineType_ = v.empty() ? 0 : v[0];
                break;
            case PlotKind::Page:
                NextPage();
                break;
        }
    }
    Flush();
}

Point HpglPageBuilder::Shifted(std::int32_t x, std::int32_t y) const {
    const std::int64_t sx = std::int64_t{x} + xOffset_;
    return {static_cast<std::int32_t>(std::clamp<std::int64_t>(sx, INT32_MIN, INT32_MAX)), y};
}

// A draw that starts where the open current curve ends, with the same pen,
// goes on in that curve (the meeting vertex is then held twice); any other
// move starts a new curve.
void HpglPageBuilder::MoveTo(Point p) {
    if (points_.empty()) {
        points_.push_back(p);
        return;
    }
    const bool open = points_.front() != points_.back();
    if (points_.back() == p && curveKind_ == kind_ && open) {
        points_.push_back(p);
        return;
    }
    Flush();
    curveKind_ = kind_;
    curveLineType_ = lineType_;
    points_.push_back(p);
}

// Pen 2 and up is the knife; pen 0, pen 1 and SP without a number are ink.
void HpglPageBuilder::SelectPen(bool hasPen, std::int32_t pen) {
    kind_ = (hasPen && pen > 1) ? kFullCut : kDrawn;
    if (kind_ == curveKind_) return;
    if (!points_.empty()) {
        Flush();
        curveLineType_ = lineType_;
    }
    curveKind_ = kind_;
}

// The page's bounds are brought up to date and the next page starts at its
// maxX.
void HpglPageBuilder::NextPage() {
    Flush();
    if (haveExtents_) {
        page_.minX = minX_;
        page_.maxX = maxX_;
        page_.minY = minY_;
        page_.maxY = maxY_;
    }
    if (!page_.curves.empty()) xOffset_ = page_.maxX;
    curveKind_ = kind_ = kDrawn;
    curveLineType_ = lineType_ = 0;
}

void HpglPageBuilder::Flush() {
    if (points_.empty()) return;
    CCurve& c = page_.curves.emplace_back();
    c.kind = curveKind_;
    c.lineType = curveLineType_;
    c.points.assign(points_.begin(), points_.end());   // exact size, no growth slack
    points_.clear();
    Extend(c);
}

void HpglPageBuilder::Extend(CCurve& c) {
    if (c.points.empty()) return;
    c.CalcBounds();
    if (!haveExtents_) {
        minX_ = c.minX, maxX_ = c.maxX, minY_ = c.minY, maxY_ = c.maxY;
        haveExtents_ = true;
        return;
    }
    minX_ = std::min(minX_, c.minX);
    maxX_ = std::max(maxX_, c.maxX);
    minY_ = std::min(minY_, c.minY);
    maxY_ = std::max(maxY_, c.maxY);
}

}  // namespace pv
