#pragma once
// Turns HPGL label lines into strokes with the two stroke fonts (Latin for
// single bytes, Chinese for GB2312 pairs), recorded as Move/Draw pairs in the
// reader's command list.
#include <cstdint>
#include <string>
#include <vector>

#include "import/message_sink.h"
#include "import/plot_command.h"

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

class LabelDrawer {
public:
    LabelDrawer(const AppSettings& settings, MessageSink sink);
    ~LabelDrawer();

    // Loads both font indexes (Chinese first, then Latin), writing the
    // embedded copies first when a file is missing.  Called at every read.
    void LoadFonts();

    // Draws one label line of `n` bytes whose cursor is (x, y) in file units:
    // applies the label origin, rounds the reference point and appends the
    // glyph strokes to `out`.
    void DrawLine(double x, double y, const std::uint8_t* text, int n, const LabelStyle& style,
                  PlotCommandList& out);

private:
    const AppSettings& settings_;
    MessageSink sink_;
};

}  // namespace pv
