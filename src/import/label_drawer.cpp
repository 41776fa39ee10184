#include "import/label_drawer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "import/embedded_fonts.h"
#include "settings/app_settings.h"

namespace pv {

namespace {

constexpr double kPi = 3.14159265359;
constexpr double kUnitsPerCm = 400.0;   // file units per cm

std::int32_t Saturate(double v) {
    if (std::isnan(v)) return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(v, lo, hi));
}

// The reader's rounding of label positions: floor(v + 0.5).
std::int32_t RoundUp(double v) { return Saturate(std::floor(v + 0.5)); }

// Shape vector directions 0..15: displacement = (ax*L + bx*H, ay*L + by*H).
struct Direction {
    std::int8_t ax, bx, ay, by;
};
constexpr Direction kDirections[16] = {
    {1, 0, 0, 0},  {1, 0, 0, 1},  {1, 0, 1, 0},  {0, 1, 1, 0},    // 0 (+L,0) 1 (+L,+H) 2 (+L,+L) 3 (+H,+L)
    {0, 0, 1, 0},  {0, -1, 1, 0}, {-1, 0, 1, 0}, {-1, 0, 0, 1},   // 4 (0,+L) 5 (-H,+L) 6 (-L,+L) 7 (-L,+H)
    {-1, 0, 0, 0}, {-1, 0, 0, -1}, {-1, 0, -1, 0}, {0, -1, -1, 0},  // 8 (-L,0) 9 (-L,-H) 10 (-L,-L) 11 (-H,-L)
    {0, 0, -1, 0}, {0, 1, -1, 0}, {1, 0, -1, 0}, {1, 0, 0, -1},   // 12 (0,-L) 13 (+H,-L) 14 (+L,-L) 15 (+L,-H)
};

// Label origin codes: where the pen position lies on the line's box, as the
// offsets (a, b) along and up from the pen to the box's top-left corner, in
// multiples of the line length L, the character width W and height H.
struct OriginOffset {
    double aL, aW, bH;
};
OriginOffset OriginFor(std::int32_t code) {
    switch (code) {
        case 2: return {0, 0, 0.5};
        case 3: return {0, 0, 0};
        case 4: return {-0.5, 0, 1};
        case 5: return {-0.5, 0, 0.5};
        case 6: return {-0.5, 0, 0};
        case 7: return {-1, 0, 1};
        case 8: return {-1, 0, 0.5};
        case 9: return {-1, 0, 0};
        case 11: return {0, 0.25, 1.25};
        case 12: return {0, 0.25, 0.5};
        case 13: return {0, 0.25, -0.25};
        case 14: return {-0.5, 0, 1.25};
        case 15: return {-0.5, 0, 0.5};
        case 16: return {-0.5, 0, -0.25};
        case 17: return {-1, -0.25, 1.25};
        case 18: return {-1, -0.25, 0.5};
        case 19: return {-1, -0.25, -0.25};
        default: return {0, 0, 1};   // 1, and any code the reader did not screen
    }
}

// Stack, sub-shape and arc codes are not interpreted: their argument bytes
// are passed over and the point stays where it is.  Returns the index after
// the arguments (the end of the glyph when they are cut short).
std::size_t SkipUninterpreted(std::uint8_t code, std::span<const std::uint8_t> glyph, std::size_t i) {
    const std::size_t n = glyph.size();
    switch (code) {
        case 7: return std::min(n, i + 1);    // sub-shape number
        case 10: return std::min(n, i + 2);   // octant arc: radius, octants
        case 11: return std::min(n, i + 5);   // fractional arc
        case 12: return std::min(n, i + 3);   // bulge arc: dx, dy, bulge
        case 13:                              // bulge arcs until the pair 0, 0
            while (n - i >= 2) {
                const bool end = glyph[i] == 0 && glyph[i + 1] == 0;
                i += 2;
                if (end) return i;
                i = std::min(n, i + 1);
            }
            return n;
        default: return i;                    // 5, 6: push, pop
    }
}

}  // namespace

std::int32_t LabelFontScale(const AppSettings& settings) {
    if (IsFourHead(settings.edition)) return 100;
    return std::clamp<std::int32_t>(settings.PltFontScale, 20, 500);
}

LabelDrawer::LabelDrawer(const AppSettings& settings, MessageSink sink)
    : settings_(settings), sink_(std::move(sink)) {
    SetStyle(LabelStyle{});
}

LabelDrawer::~LabelDrawer() = default;

void LabelDrawer::LoadFonts() {
    EnsureFontFiles(settings_);
    if (hzFont_.Load(settings_.HzFontPath) == FontLoadResult::CannotOpen && sink_)
        sink_("Failed to open fon_hz.bin");
    if (enFont_.Load(settings_.EnFontPath) == FontLoadResult::CannotOpen && sink_)
        sink_("Failed to open fon_en.bin");
    strokeX_ = 0;
    strokeY_ = 0;
}

std::int32_t LabelDrawer::Em() const { return EnCellHeight() * HzCellHeight(); }

void LabelDrawer::SetStyle(const LabelStyle& style) {
    const std::int32_t scale =
        IsFourHead(settings_.edition) ? 100 : std::clamp<std::int32_t>(style.fontScale, 20, 500);
    const double g = kUnitsPerCm * scale * 0.01;
    h_ = style.charHeight * g;
    w_ = style.charWidth * g;
    const double theta = style.angleDeg / 180.0 * kPi;
    cos_ = std::cos(theta);
    sin_ = std::sin(theta);
    origin_ = style.origin;
    q_ = Em() / h_;
    // A label of no height (or a font without a height) has nothing to draw.
    drawable_ = Em() > 0 && std::isfinite(q_) && q_ != 0 && std::isfinite(cos_) && std::isfinite(sin_);
}

void LabelDrawer::DrawLine(double x, double y, const std::uint8_t* text, int n, const LabelStyle& style,
                           PlotCommandList& out) {
    if (text == nullptr || n <= 0) return;
    SetStyle(style);
    ApplyLabelOrigin(x, y, n);
    DrawLabelString(RoundUp(x), RoundUp(y), text, n, out);
}

void LabelDrawer::ApplyLabelOrigin(double& x, double& y, int n) const {
    const OriginOffset o = OriginFor(origin_);
    const double lineLength = w_ * n;   // n character widths, whatever the glyphs' advances
    const double a = o.aL * lineLength + o.aW * w_;
    const double b = o.bH * h_;
    x += a * cos_ - b * sin_;
    y += a * sin_ + b * cos_;
}

void LabelDrawer::DrawLabelString(std::int32_t x, std::int32_t y, const std::uint8_t* text, int n,
                                  PlotCommandList& out) {
    if (text == nullptr || n <= 0 || !drawable_) return;
    const auto latinFactor = static_cast<std::uint16_t>(HzCellHeight());
    const auto chineseFactor = static_cast<std::uint16_t>(EnCellHeight());
    const std::int64_t chineseAdvance = std::int64_t{EnCellHeight()} * HzCellWidth();
    std::int64_t advance = 0;   // design units
    for (int i = 0; i < n;) {
        const std::uint8_t b = text[i];
        if (b < 0x80 || i == n - 1) {
            ++i;
            const CCharactor* g = enFont_.Find(b);
            if (g == nullptr || g->byteCount == 0) {
                advance += std::int64_t{enFont_.FirstAdvance()} * latinFactor;
                continue;
            }
            DrawGlyph(enFont_.Bytes(*g), x, y, advance, latinFactor, out);
            advance += std::int64_t{g->advance} * latinFactor;
        } else {
            const auto code = static_cast<std::uint16_t>((b << 8) | text[i + 1]);
            i += 2;
            const CCharactor* g = hzFont_.Find(code);
            if (g != nullptr && g->byteCount != 0) DrawGlyph(hzFont_.Bytes(*g), x, y, advance, chineseFactor, out);
            advance += chineseAdvance;
        }
    }
}

void LabelDrawer::DrawGlyph(std::span<const std::uint8_t> glyph, std::int32_t x0, std::int32_t y0,
                            std::int64_t advance, std::uint16_t factor, PlotCommandList& out) {
    std::int64_t px = advance;
    std::int64_t py = 0;
    bool penDown = true;
    bool skipNext = false;   // code 14: the next move is for vertical text only
    std::int32_t x = 0, y = 0;
    GlyphToPlot(static_cast<double>(px), static_cast<double>(py), x0, y0, x, y);
    StrokeMoveTo(x, y);

    auto moveBy = [&](std::int64_t dx, std::int64_t dy) {
        px += dx;
        py += dy;
        GlyphToPlot(static_cast<double>(px), static_cast<double>(py), x0, y0, x, y);
        if (penDown)
            StrokeLineTo(x, y, out);
        else
            StrokeMoveTo(x, y);
    };
    auto signedByte = [&](std::size_t k) { return static_cast<std::int64_t>(static_cast<std::int8_t>(glyph[k])); };

    const std::size_t n = glyph.size();
    std::size_t i = 0;
    while (i < n) {
        const std::uint8_t code = glyph[i++];
        if (code >= 0x10) {   // vector: length nibble, direction nibble
            if (skipNext) {
                skipNext = false;
                continue;
            }
            const auto len = static_cast<std::uint16_t>((code >> 4) * factor);
            const std::int64_t half = len / 2;
            const Direction& d = kDirections[code & 0x0F];
            moveBy(d.ax * std::int64_t{len} + d.bx * half, d.ay * std::int64_t{len} + d.by * half);
            continue;
        }
        switch (code) {
            case 1: penDown = true; break;
            case 2: penDown = false; break;
            case 3:   // scale divide / multiply: not applied
            case 4:
                i = std::min(n, i + 1);
                skipNext = false;
                break;
            case 8:
                if (n - i < 2) {
                    i = n;
                    break;
                }
                if (!skipNext) moveBy(signedByte(i) * factor, signedByte(i + 1) * factor);
                skipNext = false;
                i += 2;
                break;
            case 9: {
                const bool skipping = skipNext;
                skipNext = false;
                bool closed = false;
                while (!closed && n - i >= 2) {
                    const std::int64_t dx = signedByte(i), dy = signedByte(i + 1);
                    i += 2;
                    closed = dx == 0 && dy == 0;
                    if (!closed && !skipping) moveBy(dx * factor, dy * factor);
                }
                if (!closed) i = n;   // cut short: a lone byte is no pair
                break;
            }
            case 14: skipNext = true; break;
            case 5:
            case 6:
            case 7:
            case 10:
            case 11:
            case 12:
            case 13:
                i = SkipUninterpreted(code, glyph, i);
                skipNext = false;   // each counts as the command a pending 14 skips
                break;
            default: break;   // 0: no action; 15 is not a shape code
        }
    }
}

void LabelDrawer::GlyphToPlot(double px, double py, std::int32_t x0, std::int32_t y0, std::int32_t& x,
                              std::int32_t& y) const {
    const double em = Em();
    const double dx = std::round((px * cos_ - (py - em) * sin_) / q_);
    const double dy = std::round((px * sin_ + (py - em) * cos_) / q_);
    x = Saturate(x0 + dx);
    y = Saturate(y0 + dy);
}

void LabelDrawer::StrokeMoveTo(std::int32_t x, std::int32_t y) {
    strokeX_ = x;
    strokeY_ = y;
    // One unit off, so that the next segment cannot continue the last stroke.
    strokeEndX_ = x == std::numeric_limits<std::int32_t>::max() ? x - 1 : x + 1;
    strokeEndY_ = y;
}

void LabelDrawer::StrokeLineTo(std::int32_t x, std::int32_t y, PlotCommandList& out) {
    if (strokeEndX_ != strokeX_ || strokeEndY_ != strokeY_ || strokeX_ <= 0 || strokeY_ <= 0 || !out.LastIsDraw()) {
        out.AddMove(strokeX_, strokeY_);
        out.BeginDraw();
    }
    out.AppendToDraw(x, y);
    strokeX_ = strokeEndX_ = x;
    strokeY_ = strokeEndY_ = y;
}

}  // namespace pv
