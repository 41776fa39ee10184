#pragma once
// Text labels the operator adds in the drawing view: the properties of the
// last label and the drawn curves one label becomes.
#include <cstdint>
#include <string>

#include "geometry/one_page.h"
#include "import/message_sink.h"

namespace pv {

struct AppSettings;

// The last text label's properties.  It lives as long as the view, so the
// next label starts from the previous text and size.
struct CTextProp {
    std::string text;     // GB2312 bytes, the reader's narrow code page
    double x = 0.0;       // mm, insertion point along the paper feed
    double y = 0.0;       // mm, across the paper
    double angle = 0.0;   // degrees, writing direction
    std::int32_t size = 5;   // font size step 0..9

    static constexpr std::int32_t kMinSize = 0;
    static constexpr std::int32_t kMaxSize = 9;
};

// The HPGL program of a label: pen to the insertion point (40 units per
// mm), direction from the angle, then the text as a label.
std::string TextLabelHpgl(const CTextProp& prop);

// Reads the label with the stroke fonts and appends its strokes to `page` as
// drawn curves, scaled by size + 1 about the insertion point.  A pen-up move
// ending within 4 units of where the current stroke ended continues that
// stroke.  Returns how many curves were added; 0 when the text cannot be
// read or draws nothing.
std::int32_t AddTextLabel(COnePage& page, const CTextProp& prop, const AppSettings& settings,
                          const MessageSink& sink);

}  // namespace pv
