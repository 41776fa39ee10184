#include "import/garment_converter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "import/dxf_converter.h"
#include "import/garment_layers.h"

namespace pv {

namespace {

constexpr int kCoarse = 0;
constexpr int kQuality = 1;

std::int64_t Segments(double v, std::int64_t lo, std::int64_t hi) {
    if (!(v >= static_cast<double>(lo))) return lo;
    if (v >= static_cast<double>(hi)) return hi;
    return static_cast<std::int64_t>(v);
}

// Degrees counter-clockwise from start to end, within one turn.
double Sweep(const DxfArc& arc) {
    double w = std::fmod(arc.endAngle - arc.startAngle, 360.0);
    if (!(w == w)) return 360.0;
    if (w <= 0) w += 360.0;
    return w;
}

void AppendNumber(std::string& out, double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    if (ec == std::errc()) out.append(buf, end);
}

bool Off(const DxfDrawing& drawing, const DxfEntity& e) {
    const DxfLayer* layer = drawing.Layer(e.layer);
    return layer != nullptr && layer->colour < 0;
}

}  // namespace

struct GarmentConverter::Parts {
    // Per layer that has a quality-validation copy: [coarse, quality].
    std::vector<Polyline> boundary[2], cutOut[2], internal[2], sew[2];
    std::vector<Polyline> drawn;                 // grain, mirror, reference lines, anything else
    std::vector<std::pair<Polyline, bool>> notches;   // the points, and whether a T notch
    std::vector<Point> drills;

    static std::vector<Polyline>& Pick(std::vector<Polyline> (&layer)[2]) {
        return layer[kQuality].empty() ? layer[kCoarse] : layer[kQuality];
    }
};

GarmentConverter::GarmentConverter(const DxfDrawing& drawing, const GarmentDrawing& garment, COnePage& page,
                                   std::int32_t cutNotch, std::vector<std::string> sizes, std::string& labels)
    : drawing_(drawing), garment_(garment), page_(page), cutNotch_(cutNotch), sizes_(std::move(sizes)),
      labels_(labels) {}

bool GarmentConverter::Spend(std::int64_t work) {
    work_ += work;
    return work_ <= DxfConverter::kMaxWork;
}

bool GarmentConverter::Chosen(const GarmentPlacement& p) const {
    if (sizes_.empty() || p.size.empty()) return true;
    return std::any_of(sizes_.begin(), sizes_.end(), [&p](const std::string& s) { return SameSize(s, p.size); });
}

bool GarmentConverter::Convert() {
    for (const GarmentPlacement& p : garment_.placements) {
        if (!Chosen(p)) continue;
        const DxfEntityList* list = &drawing_.Entities();
        openBlocks_.clear();
        if (p.block != 0) {
            const DxfBlock* block = drawing_.Block(p.block);
            if (block == nullptr) continue;
            list = &block->entities;
            openBlocks_.push_back(p.block);
        }
        Parts parts;
        // The top-level list's INSERTs are placements of their own.
        CollectList(*list, p.transform, p.layerName, 0, p.block == 0, parts);
        if (!Spend(0)) return false;
        Emit(parts);
        if (!Spend(0)) return false;
    }
    return true;
}

void GarmentConverter::CollectList(const DxfEntityList& list, const GarmentTransform& t, const std::string& inherited,
                                   int depth, bool skipInserts, Parts& parts) {
    for (const DxfEntity& e : list) {
        if (skipInserts && e.type == DxfEntityType::Insert) continue;
        if (!Spend(1)) return;
        Collect(e, t, inherited, depth, parts);
    }
}

void GarmentConverter::Collect(const DxfEntity& e, const GarmentTransform& t, const std::string& inherited, int depth,
                               Parts& parts) {
    if (Off(drawing_, e)) return;
    // Entities on layer "0" inside a block take the layer of its INSERT.
    const std::string& layerName = (e.layerName.empty() || e.layerName == "0") ? inherited : e.layerName;
    const auto number = GarmentLayerNumber(layerName);
    const int layer = number ? *number : -1;
    const GarmentUse use = number ? UseOfLayer(layer) : GarmentUse::Drawn;
    const int copy = IsQualityLayer(layer) ? kQuality : kCoarse;

    switch (e.type) {
        case DxfEntityType::Insert: {
            const auto& insert = std::get<DxfInsert>(e.data);
            const DxfBlock* block = drawing_.Block(insert.block);
            if (block == nullptr || depth >= DxfConverter::kMaxBlockDepth) return;
            if (std::find(openBlocks_.begin(), openBlocks_.end(), insert.block) != openBlocks_.end()) return;
            openBlocks_.push_back(insert.block);
            CollectList(block->entities, t.After(GarmentTransform::Of(insert)), layerName, depth + 1, false, parts);
            openBlocks_.pop_back();
            return;
        }
        case DxfEntityType::Text: {
            const auto& text = std::get<DxfText>(e.data);
            const bool annotation = layer == static_cast<int>(GarmentLayer::Annotation);
            const bool pieceText = layer == static_cast<int>(GarmentLayer::Boundary) &&
                                   (TextHasKey(text.text, "Piece Name") || TextHasKey(text.text, "Size"));
            if (annotation || pieceText) AddLabel(text, t);
            return;
        }
        case DxfEntityType::Point:
        case DxfEntityType::Circle:
            if (use == GarmentUse::DrillHole) {
                const DxfVec& at = e.type == DxfEntityType::Point ? std::get<DxfPoint>(e.data).at
                                                                  : std::get<DxfCircle>(e.data).centre;
                if (Spend(4)) parts.drills.push_back(ToPlotter(t, at.x, at.y));
                return;
            }
            if (e.type == DxfEntityType::Point) return;   // turn, curve and other points
            break;
        case DxfEntityType::Line:
        case DxfEntityType::Polyline:
        case DxfEntityType::Arc: break;
        default: return;   // dimensions, solids, ellipses: nothing
    }

    if (use == GarmentUse::Hidden) return;
    Polyline shape = Shape(e, t);
    if (shape.size() < 2) return;
    switch (use) {
        case GarmentUse::Boundary: parts.boundary[copy].push_back(std::move(shape)); break;
        case GarmentUse::CutOut: parts.cutOut[copy].push_back(std::move(shape)); break;
        case GarmentUse::Notch:
            parts.notches.emplace_back(std::move(shape), layer == static_cast<int>(GarmentLayer::TNotch));
            break;
        case GarmentUse::Drawn:
            if (CoarseLayerOf(layer) == static_cast<int>(GarmentLayer::InternalLines)) {
                parts.internal[copy].push_back(std::move(shape));
            } else if (CoarseLayerOf(layer) == static_cast<int>(GarmentLayer::SewLines)) {
                parts.sew[copy].push_back(std::move(shape));
            } else {
                parts.drawn.push_back(std::move(shape));
            }
            break;
        default: parts.drawn.push_back(std::move(shape)); break;   // lines drawn on the drill layer
    }
}

Point GarmentConverter::ToPlotter(const GarmentTransform& t, double x, double y) const {
    const double u = garment_.unit;
    return {TruncToInt32(std::round(t.X(x, y) * u)), TruncToInt32(std::round(t.Y(x, y) * u))};
}

Polyline GarmentConverter::Shape(const DxfEntity& e, const GarmentTransform& t) {
    Polyline pts;
    const double scale = garment_.unit * t.Scale();   // plotter units per block unit
    switch (e.type) {
        case DxfEntityType::Line: {
            const auto& line = std::get<DxfLine>(e.data);
            if (!Spend(2)) return {};
            pts = {ToPlotter(t, line.start.x, line.start.y), ToPlotter(t, line.end.x, line.end.y)};
            break;
        }
        case DxfEntityType::Polyline: {
            // Bulges are not followed: pattern CAD writes its curves as
            // closely spaced vertices.
            const auto& poly = std::get<DxfPolyline>(e.data);
            if (!Spend(static_cast<std::int64_t>(poly.vertices.size()) + 1)) return {};
            pts.reserve(poly.vertices.size() + 1);
            for (const DxfVertex& v : poly.vertices) pts.push_back(ToPlotter(t, v.at.x, v.at.y));
            if (poly.Closed() && !pts.empty()) pts.push_back(pts.front());
            break;
        }
        case DxfEntityType::Arc: {
            // About one segment per 2 mm of arc, 6 to 360 segments.
            const auto& arc = std::get<DxfArc>(e.data);
            const double w = Sweep(arc);
            const std::int64_t n = Segments(scale * arc.radius * w * kPi / 180 / 80, 6, 360);
            if (!Spend(n + 1)) return {};
            for (std::int64_t g = 0; g <= n; ++g) {
                const double a = (static_cast<double>(g) * w / static_cast<double>(n) + arc.startAngle) * kPi / 180;
                pts.push_back(ToPlotter(t, arc.centre.x + arc.radius * std::cos(a),
                                        arc.centre.y + arc.radius * std::sin(a)));
            }
            break;
        }
        case DxfEntityType::Circle: {
            // One segment per millimetre of circumference, 8 to 3600.
            const auto& c = std::get<DxfCircle>(e.data);
            const std::int64_t n = Segments(c.radius * 2 * kPi * scale / 40, 8, 3600);
            if (!Spend(n + 1)) return {};
            for (std::int64_t i = 0; i < n; ++i) {
                const double a = 2.0 * static_cast<double>(i) * kPi / static_cast<double>(n);
                pts.push_back(ToPlotter(t, c.centre.x + c.radius * std::cos(a), c.centre.y + c.radius * std::sin(a)));
            }
            pts.push_back(pts.front());
            break;
        }
        default: break;
    }
    return pts;
}

void GarmentConverter::AddLabel(const DxfText& text, const GarmentTransform& t) {
    // The label keeps the stroke fonts' default size; it stands where the
    // text's insertion point lands, turned with the text and its placement.
    const Point at = ToPlotter(t, text.insertion.x, text.insertion.y);
    const double a = text.rotation * kPi / 180 + std::atan2(t.d, t.a);
    const std::size_t before = labels_.size();
    labels_ += "PU" + std::to_string(at.x) + ',' + std::to_string(at.y) + ";DI";
    AppendNumber(labels_, std::cos(a));
    labels_ += ',';
    AppendNumber(labels_, std::sin(a));
    labels_ += ";LB";
    for (char ch : text.text) {
        if (ch != '\x03') labels_ += ch;   // the terminator would end the label early
    }
    labels_ += '\x03';
    Spend(static_cast<std::int64_t>(labels_.size() - before));
    wroteLabels_ = true;
}

void GarmentConverter::Append(Polyline points, std::int32_t kind, std::int32_t role) {
    if (points.size() < 2) return;
    CCurve curve;
    curve.points = std::move(points);
    curve.kind = kind;
    curve.role = role;
    page_.curves.push_back(std::move(curve));
}

void GarmentConverter::Emit(Parts& parts) {
    // Cut-outs before the boundary: the knife frees the piece last.
    for (Polyline& chain : JoinIntoChains(std::move(Parts::Pick(parts.cutOut)), kJoinTolerance)) {
        CloseChain(chain, kJoinTolerance, false);
        Append(std::move(chain), kFullCut, kRoleNone);
    }
    for (auto* group : {&Parts::Pick(parts.internal), &Parts::Pick(parts.sew), &parts.drawn}) {
        for (Polyline& line : *group) Append(std::move(line), kDrawn, kRoleNone);
    }
    const std::int32_t notchKind = cutNotch_ != 0 ? kFullCut : kDrawn;
    for (auto& [points, tShape] : parts.notches) {
        if (points.size() < 2) continue;
        CCurve notch;
        notch.points = std::move(points);
        notch.kind = notchKind;
        notch.role = kRoleNotch;
        (tShape ? notch.isTNotch : notch.isINotch) = 1;
        page_.curves.push_back(std::move(notch));
    }
    for (const Point& p : parts.drills) {
        const std::int32_t x0 = ClampToInt32(std::int64_t{p.x} - kDrillArm), x1 = ClampToInt32(std::int64_t{p.x} + kDrillArm);
        const std::int32_t y0 = ClampToInt32(std::int64_t{p.y} - kDrillArm), y1 = ClampToInt32(std::int64_t{p.y} + kDrillArm);
        Append({{x0, p.y}, {x1, p.y}}, kDrawn, kRoleNone);
        Append({{p.x, y0}, {p.x, y1}}, kDrawn, kRoleNone);
    }
    // One closed cut curve per piece: a boundary that joins into a single
    // chain is closed even where its ends stay apart.
    std::vector<Polyline> chains = JoinIntoChains(std::move(Parts::Pick(parts.boundary)), kJoinTolerance);
    const bool single = chains.size() == 1;
    for (Polyline& chain : chains) {
        const bool closed = CloseChain(chain, kJoinTolerance, single);
        const std::size_t at = page_.curves.size();
        Append(std::move(chain), kFullCut, kRoleOutline);
        if (closed && page_.curves.size() > at) page_.curves.back().closed = 1;
    }
}

}  // namespace pv
