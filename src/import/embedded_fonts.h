#pragma once
// The program's own copies of the two stroke fonts, built into the engine so
// that a program directory without the font files still draws labels: when a
// file is missing, EnsureFontFiles writes the built-in copy to its path.
#include <cstdint>
#include <span>

#include "import/stroke_font.h"

namespace pv {

struct AppSettings;

// The built-in bytes of "fon_en.bin" (Latin) or "fon_hz.bin" (Chinese).
std::span<const std::uint8_t> EmbeddedFont(StrokeFontKind kind);

// For each of EnFontPath and HzFontPath that does not exist, writes the
// built-in copy there.  The file appears whole or not at all; a failure to
// write is silent (the font load that follows reports the missing file).
void EnsureFontFiles(const AppSettings& settings);

}  // namespace pv
