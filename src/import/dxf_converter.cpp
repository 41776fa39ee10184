#include "import/dxf_converter.h"

#include <algorithm>
#include <cstdint>
#include <charconv>
#include <cmath>

namespace pv {

namespace {

// Segment counts: at least `lo`; NaN counts as `lo`.
std::int64_t SegmentCount(double v, std::int64_t lo, std::int64_t hi) {
    if (!(v >= static_cast<double>(lo))) return lo;
    if (v >= static_cast<double>(hi)) return hi;
    return static_cast<std::int64_t>(v);
}

// The sweep of an arc, counter-clockwise from start to end, in degrees.
double Sweep(const DxfArc& arc) {
    double w = arc.endAngle - arc.startAngle;
    if (w < 0) w += 360.0;
    if (w < 0 || w > 360.0) {   // angles beyond one turn: the sweep within one turn
        w = std::fmod(w, 360.0);
        if (w < 0) w += 360.0;
        if (w == 0) w = 360.0;
    }
    return w;
}

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    const std::int64_t cap = DxfConverter::kMaxWork + 1;
    return a + b > cap ? cap : a + b;
}

void AppendNumber(std::string& out, double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    if (ec != std::errc()) return;
    out.append(buf, end);
}

}  // namespace

bool DxfConverter::ConvertEntity(const DxfEntity& entity) {
    if (!Exhausted()) Convert(entity, 0);
    return !Exhausted();
}

bool DxfConverter::LayerOff(const DxfEntity& entity) const {
    if (entity.colour == kDxfColourByBlock || entity.colour == kDxfColourByLayer) return false;
    const DxfLayer* layer = drawing_.Layer(entity.layer);
    return layer != nullptr && layer->colour < 0;
}

void DxfConverter::Convert(const DxfEntity& entity, int depth) {
    ++work_;
    if (Exhausted()) return;
    if (entity.type != DxfEntityType::Text && LayerOff(entity)) return;
    switch (entity.type) {
        case DxfEntityType::Line: AddLine(std::get<DxfLine>(entity.data)); break;
        case DxfEntityType::Circle: AddCircle(std::get<DxfCircle>(entity.data)); break;
        case DxfEntityType::Arc: AddArc(std::get<DxfArc>(entity.data)); break;
        case DxfEntityType::Polyline: AddPolyline(std::get<DxfPolyline>(entity.data)); break;
        case DxfEntityType::Text: AddText(std::get<DxfText>(entity.data)); break;
        // Block contents at the block's own coordinates: the insertion
        // point, scale and rotation are not applied.
        case DxfEntityType::Insert: ConvertBlock(std::get<DxfInsert>(entity.data).block, depth); break;
        case DxfEntityType::Dimension: ConvertBlock(std::get<DxfDimension>(entity.data).block, depth); break;
        default: break;   // POINT, ELLIPSE, SOLID: nothing
    }
}

void DxfConverter::ConvertBlock(std::int32_t number, int depth) {
    const DxfBlock* block = drawing_.Block(number);
    if (block == nullptr || depth >= kMaxBlockDepth) return;
    // A block that refers to itself, directly or through others, is not
    // entered again.
    if (std::find(openBlocks_.begin(), openBlocks_.end(), number) != openBlocks_.end()) return;
    openBlocks_.push_back(number);
    for (const DxfEntity& e : block->entities) {
        Convert(e, depth + 1);
        if (Exhausted()) break;
    }
    openBlocks_.pop_back();
}

Point DxfConverter::Scaled(double x, double y) const {
    return {TruncToInt32(x * unit_), TruncToInt32(y * unit_)};
}

std::int64_t DxfConverter::CircleSegments(const DxfCircle& c) const {
    // One segment per 40 plotter units of circumference, at least 8.
    return SegmentCount(c.radius * 6.28318530718 * unit_ / 40, 8, kMaxCircleSegments);
}

std::int64_t DxfConverter::ArcSegments(const DxfArc& arc, double w) const {
    // About one segment per 80 plotter units of arc, 6 to 360 segments.
    return SegmentCount(unit_ * arc.radius * w * kPi / 180 / 80, 6, 360);
}

std::int64_t DxfConverter::EstimateWork() {
    blockWork_.assign(drawing_.Blocks().size(), -1);
    openBlocks_.clear();
    std::int64_t total = 0;
    for (const DxfEntity& e : drawing_.Entities()) {
        total = SaturatingAdd(total, Estimate(e, 0));
        if (total > kMaxWork) break;
    }
    return total;
}

std::int64_t DxfConverter::Estimate(const DxfEntity& entity, int depth) {
    std::int64_t points = 0;
    switch (entity.type) {
        case DxfEntityType::Line: points = 2; break;
        case DxfEntityType::Circle: points = CircleSegments(std::get<DxfCircle>(entity.data)) + 1; break;
        case DxfEntityType::Arc: {
            const auto& arc = std::get<DxfArc>(entity.data);
            points = ArcSegments(arc, Sweep(arc)) + 1;
            break;
        }
        case DxfEntityType::Polyline:
            points = static_cast<std::int64_t>(std::get<DxfPolyline>(entity.data).vertices.size()) + 1;
            break;
        case DxfEntityType::Text:
            return 1 + 64 + static_cast<std::int64_t>(std::get<DxfText>(entity.data).text.size());
        case DxfEntityType::Insert: return SaturatingAdd(1, EstimateBlock(std::get<DxfInsert>(entity.data).block, depth));
        case DxfEntityType::Dimension:
            return SaturatingAdd(1, EstimateBlock(std::get<DxfDimension>(entity.data).block, depth));
        default: return 1;
    }
    return 1 + kCurveWork + points;
}

std::int64_t DxfConverter::EstimateBlock(std::int32_t number, int depth) {
    const DxfBlock* block = drawing_.Block(number);
    if (block == nullptr || depth >= kMaxBlockDepth) return 0;
    if (std::find(openBlocks_.begin(), openBlocks_.end(), number) != openBlocks_.end()) return 0;
    const auto index = static_cast<std::size_t>(block - drawing_.Blocks().data());
    if (blockWork_[index] >= 0) return blockWork_[index];
    openBlocks_.push_back(number);
    std::int64_t sum = 0;
    for (const DxfEntity& e : block->entities) {
        sum = SaturatingAdd(sum, Estimate(e, depth + 1));
        if (sum > kMaxWork) break;
    }
    openBlocks_.pop_back();
    blockWork_[index] = sum;
    return sum;
}

void DxfConverter::Append(std::vector<Point> points) {
    work_ += kCurveWork + static_cast<std::int64_t>(points.size());
    if (points.empty() || Exhausted()) return;
    CCurve curve;   // kind 1 (drawn), line type 0
    curve.points = std::move(points);
    page_.curves.push_back(std::move(curve));
}

void DxfConverter::AddLine(const DxfLine& line) {
    Append({Scaled(line.start.x, line.start.y), Scaled(line.end.x, line.end.y)});
}

void DxfConverter::AddCircle(const DxfCircle& c) {
    const std::int64_t n = CircleSegments(c);
    if (work_ + n > kMaxWork) {   // refused before the points are made
        work_ += n;
        return;
    }
    std::vector<Point> pts;
    pts.reserve(static_cast<std::size_t>(n) + 1);
    for (std::int64_t i = 0; i < n; ++i) {
        const double a = 2.0 * static_cast<double>(i) * kPi / static_cast<double>(n);
        pts.push_back(Scaled(c.centre.x + c.radius * std::cos(a), c.centre.y + c.radius * std::sin(a)));
    }
    pts.push_back(pts.front());   // closed exactly, whatever the last angle's rounding
    Append(std::move(pts));
}

void DxfConverter::AddArc(const DxfArc& arc) {
    // Arcs run counter-clockwise from the start angle to the end angle.
    const double w = Sweep(arc);
    const std::int64_t n = ArcSegments(arc, w);
    const double ur = unit_ * arc.radius;
    const double ux = unit_ * arc.centre.x;
    const double uy = unit_ * arc.centre.y;
    std::vector<Point> pts;
    pts.reserve(static_cast<std::size_t>(n) + 1);
    for (std::int64_t g = 0; g <= n; ++g) {
        const double a = (static_cast<double>(g) * w / static_cast<double>(n) + arc.startAngle) * kPi / 180;
        pts.push_back({TruncToInt32(std::cos(a) * ur + ux), TruncToInt32(std::sin(a) * ur + uy)});
    }
    Append(std::move(pts));
}

void DxfConverter::AddPolyline(const DxfPolyline& polyline) {
    // Bulges are ignored: every segment is straight.
    std::vector<Point> pts;
    pts.reserve(polyline.vertices.size() + 1);
    for (const DxfVertex& v : polyline.vertices) pts.push_back(Scaled(v.at.x, v.at.y));
    if (polyline.Closed() && !pts.empty()) pts.push_back(pts.front());
    Append(std::move(pts));
}

void DxfConverter::AddText(const DxfText& text) {
    // The insertion point is cut to whole drawing units before scaling; the
    // label takes the HPGL default size with the pen at its bottom-left.
    const std::int64_t x = std::int64_t{TruncToInt32(text.insertion.x)} * unit_;
    const std::int64_t y = std::int64_t{TruncToInt32(text.insertion.y)} * unit_;
    const double a = text.rotation * kPi / 180;
    const std::size_t before = labels_.size();
    labels_ += "PU";
    labels_ += std::to_string(ClampToInt32(x));
    labels_ += ',';
    labels_ += std::to_string(ClampToInt32(y));
    labels_ += ";DI";
    AppendNumber(labels_, std::cos(a));
    labels_ += ',';
    AppendNumber(labels_, std::sin(a));
    labels_ += ";LB";
    // The label terminator inside the text would end the label early and
    // let the rest be read as plotter commands: it is left out.
    for (char ch : text.text) {
        if (ch != '\x03') labels_ += ch;
    }
    labels_ += '\x03';
    work_ += static_cast<std::int64_t>(labels_.size() - before);
    wroteLabels_ = true;
}

}  // namespace pv
