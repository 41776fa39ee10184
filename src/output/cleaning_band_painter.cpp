#include "output/cleaning_band_painter.h"

#include <cmath>
#include <string>

#include "output/band_layout.h"
#include "output/utf8_text.h"

namespace pv {
namespace {

constexpr const char* kFontFamily = "Noto Sans CJK SC";   // any plain sans-serif will do

// Fills dots [x0, x1] by rows [y0, y1], bounds included.
void fillBar(cairo_t* cr, double x0, double x1, double y0, double y1) {
    cairo_rectangle(cr, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    cairo_fill(cr);
}

// Five bars of 14 rows across dots 0..lastDot, 30 rows apart.
void fiveBars(cairo_t* cr, double firstRow, int lastDot) {
    for (int i = 0; i < 5; ++i) fillBar(cr, 0, lastDot, firstRow + 30 * i, firstRow + 30 * i + 13);
}

// Text whose cells are `height` dots high and `width` rows wide per
// character, running toward higher rows from (dot, row), the tops of the
// characters toward higher dots: the reference point is the top-left
// corner of the first cell, so the text covers dots dot-height .. dot.
void rotatedText(cairo_t* cr, const std::string& text, double dot, double row, double height,
                 double width) {
    const std::string t = Utf8Sanitized(text);
    if (t.empty() || height <= 0 || width <= 0) return;
    cairo_save(cr);
    cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, opts);
    cairo_font_options_destroy(opts);

    // A cell (ascent + descent) of `height`; a half-width character (a
    // digit) `width` wide, so full-width (Chinese) characters take two
    // widths, as with a sans-serif face of that average character width.
    cairo_set_font_size(cr, height);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    const double em = (fe.ascent + fe.descent) > 0 ? height * height / (fe.ascent + fe.descent)
                                                   : height;
    cairo_set_font_size(cr, em);
    cairo_text_extents_t digit;
    cairo_text_extents(cr, "0", &digit);
    const double sx = digit.x_advance > 0 ? em * width / digit.x_advance : em;
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, sx, em);
    cairo_set_font_matrix(cr, &m);
    cairo_font_extents(cr, &fe);

    cairo_translate(cr, dot, row);
    cairo_rotate(cr, M_PI / 2);   // text x along +rows, glyph tops toward +dots
    cairo_move_to(cr, 0, fe.ascent);
    cairo_show_text(cr, t.c_str());
    cairo_new_path(cr);
    cairo_restore(cr);
}

}  // namespace

void PaintSectionBars(cairo_t* cr) {
    fillBar(cr, 0, 299, 0, 18);
    fillBar(cr, 0, 299, 20, 28);
    fillBar(cr, 0, 299, 30, 38);
}

void PaintCleaningBand(cairo_t* cr, const BandLayout& layout) {
    const RasterConfig& cfg = layout.Config();
    const HeadGeometry& heads = layout.Heads();
    const bool fourHead = IsFourHead(cfg.edition);

    // 1. A label per cartridge, 145 dots apart from dot 115, row 80.  The
    // two-head machine always labels 1# and 2#; the four-head machine labels
    // the cartridges of its combination in their slots.
    const int labels = fourHead ? heads.SlotCount() : 2;
    for (int s = 0; s < labels; ++s) {
        const int number = fourHead ? heads.Slot(s).cartridge : s + 1;
        const std::string label = cfg.language != 0 ? std::to_string(number) + "#"
                                                    : "墨盒" + std::to_string(number);
        rotatedText(cr, label, 115 + 145 * s, 80, 80, 16);
    }

    // 2. Bars across all nozzles of the cartridges (dots 0-298 for two).
    const int lastDot = fourHead ? 150 * heads.SlotCount() - 2 : 298;
    fiveBars(cr, 210, lastDot);

    // 3. The logo.
    const int s = layout.LogoSize();
    rotatedText(cr, cfg.customString, 210, 400, 16.0 * s + 40, 4.0 * s + 4);

    // 4. Five more bars after the logo.
    const double first = (4.0 * s + 4) * (2.0 * layout.LogoLength() + 12) + 80;
    fiveBars(cr, first, lastDot);
}

}  // namespace pv
