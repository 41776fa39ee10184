#include "import/text_label.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "import/hpgl_file.h"

namespace pv {

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
constexpr std::int64_t kJoinReach = 4;   // plotter units

// The label's curves as they come out of the reader, scaled about the
// insertion point.
class LabelStrokes {
public:
    LabelStrokes(COnePage& page, double ox, double oy, double factor)
        : page_(page), ox_(ox), oy_(oy), factor_(factor) {}

    void MoveTo(std::int32_t x, std::int32_t y) {
        if (open_ && Near(last_, {x, y})) {
            Current().points.back() = Scaled(x, y);
        } else {
            Close();
            fresh_.emplace_back();
            fresh_.back().points.push_back(Scaled(x, y));
            open_ = true;
        }
        last_ = {x, y};
    }
    void LineTo(std::int32_t x, std::int32_t y) {
        if (!open_) MoveTo(x, y);
        Current().points.push_back(Scaled(x, y));
        last_ = {x, y};
    }
    std::int32_t Finish() {
        Close();
        std::int32_t added = 0;
        for (CCurve& c : fresh_) {
            c.CalcBounds();
            page_.curves.push_back(std::move(c));
            ++added;
        }
        return added;
    }

private:
    CCurve& Current() { return fresh_.back(); }
    // Curves without a stroke (a lone move) are dropped.
    void Close() {
        if (open_ && Current().points.size() < 2) fresh_.pop_back();
        open_ = false;
    }
    // The join compares the reader's own (unscaled) points, so a label of any
    // size joins its strokes the same way.
    static bool Near(Point a, Point b) {
        return std::llabs(std::int64_t{a.x} - b.x) <= kJoinReach && std::llabs(std::int64_t{a.y} - b.y) <= kJoinReach;
    }
    Point Scaled(std::int32_t x, std::int32_t y) const {
        return {TruncToInt32(ox_ + (x - ox_) * factor_), TruncToInt32(oy_ + (y - oy_) * factor_)};
    }

    COnePage& page_;
    double ox_, oy_, factor_;
    std::vector<CCurve> fresh_;
    Point last_;
    bool open_ = false;
};

}  // namespace

std::string TextLabelHpgl(const CTextProp& prop) {
    const double rad = prop.angle * kDegreesToRadians;
    char head[200];
    std::snprintf(head, sizeof head, "IN;PU%f,%f;DI%.3f,%.3f;LB", 40.0 * prop.x, 40.0 * prop.y,
                  10.0 * std::cos(rad), 10.0 * std::sin(rad));
    return head + prop.text;
}

std::int32_t AddTextLabel(COnePage& page, const CTextProp& prop, const AppSettings& settings,
                          const MessageSink& sink) {
    if (prop.text.empty() || !std::isfinite(prop.x) || !std::isfinite(prop.y) || !std::isfinite(prop.angle))
        return 0;
    CHpglFile reader(settings, sink);
    if (reader.ReadStream(TextLabelHpgl(prop)) != kHpglOk) return 0;
    const std::int32_t size = std::clamp(prop.size, CTextProp::kMinSize, CTextProp::kMaxSize);
    LabelStrokes strokes(page, 40.0 * prop.x, 40.0 * prop.y, size + 1.0);
    for (const PlotCommandList::Record& r : reader.commands.Records()) {
        const auto v = reader.commands.Params(r);
        if (r.kind == PlotKind::Move && v.size() >= 2) {
            strokes.MoveTo(v[0], v[1]);
        } else if (r.kind == PlotKind::Draw) {
            for (std::size_t i = 0; i + 1 < v.size(); i += 2) strokes.LineTo(v[i], v[i + 1]);
        }
    }
    return strokes.Finish();
}

}  // namespace pv
