#pragma once
// Turns HPGL label lines into strokes with the two stroke fonts (Latin for
// single bytes, Chinese for GB2312 pairs), recorded as Move/Draw pairs in the
// reader's command list.
//
// Units: positions are file units (400 per cm before the PLT unit scaling);
// glyph points are design units, em of them (416 with the shipped fonts) to
// one character height.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "import/message_sink.h"
#include "import/plot_command.h"
#include "import/stroke_font.h"

namespace pv {

struct AppSettings;

// The label state of the reader that a label line is drawn with.
struct LabelStyle {
    double charHeight = 0.375;   // cm
    double charWidth = 0.285;    // cm
    double angleDeg = 0.0;       // label direction, degrees
    std::int32_t origin = 1;     // LO code 1..19 except 10
    std::int32_t fontScale = 100;  // PltFontScale, %
};

// The label size percentage in force: PltFontScale held to 20..500 in the
// two-head edition, always 100 in the four-head edition (which has no such
// setting).  Also the scale of the reader's line-feed step.
std::int32_t LabelFontScale(const AppSettings& settings);

class LabelDrawer {
public:
    LabelDrawer(const AppSettings& settings, MessageSink sink);
    ~LabelDrawer();

    // Loads both fonts (Chinese first, then Latin), writing the built-in
    // copies first when a file is missing, and resets the stroke point.  A
    // font that cannot be opened is reported ("Failed to open fon_hz.bin" /
    // "Failed to open fon_en.bin") and keeps what it held before.  Called at
    // every read.
    void LoadFonts();

    // Draws one label line of `n` bytes whose cursor is (x, y) in file units:
    // applies the label origin, rounds the reference point and appends the
    // glyph strokes to `out`.
    void DrawLine(double x, double y, const std::uint8_t* text, int n, const LabelStyle& style,
                  PlotCommandList& out);

    // The steps of DrawLine, for the callers that need them one by one.  The
    // label settings of the last SetStyle (or DrawLine) apply.
    void SetStyle(const LabelStyle& style);
    // Moves the reference point (x, y) of a line of n bytes from the pen
    // position to the top-left corner of the line's box.
    void ApplyLabelOrigin(double& x, double& y, int n) const;
    // Appends the strokes of n bytes whose top-left corner is (x, y).
    void DrawLabelString(std::int32_t x, std::int32_t y, const std::uint8_t* text, int n, PlotCommandList& out);
    // Interprets one glyph's shape bytes; `advance` is the design-unit offset
    // of the glyph in its line, `factor` the design units per font unit.
    void DrawGlyph(std::span<const std::uint8_t> glyph, std::int32_t x0, std::int32_t y0, std::int64_t advance,
                   std::uint16_t factor, PlotCommandList& out);
    // Maps a design point to file units about the origin (x0, y0).
    void GlyphToPlot(double px, double py, std::int32_t x0, std::int32_t y0, std::int32_t& x, std::int32_t& y) const;
    void StrokeMoveTo(std::int32_t x, std::int32_t y);
    void StrokeLineTo(std::int32_t x, std::int32_t y, PlotCommandList& out);

    const StrokeFont& HzFont() const { return hzFont_; }
    const StrokeFont& EnFont() const { return enFont_; }
    // em: the design height of a character, (metric0 + metric1) x cell height.
    std::int32_t Em() const;

private:
    std::int32_t HzCellWidth() const { return hzFont_.Metric(0); }
    std::int32_t HzCellHeight() const { return hzFont_.Metric(1); }
    std::int32_t EnCellHeight() const { return enFont_.Metric(0) + enFont_.Metric(1); }

    const AppSettings& settings_;
    MessageSink sink_;
    StrokeFont hzFont_{StrokeFontKind::Chinese};
    StrokeFont enFont_{StrokeFontKind::Latin};

    // Label geometry of the line being drawn (file units, radians).
    double h_ = 0, w_ = 0, cos_ = 1, sin_ = 0, q_ = 1;
    std::int32_t origin_ = 1;
    bool drawable_ = true;

    // Stroke state: the current point and where the last recorded stroke ended.
    std::int32_t strokeX_ = 0, strokeY_ = 0, strokeEndX_ = 1, strokeEndY_ = 0;
};

}  // namespace pv
