#pragma once
// Small UTF-8 helpers for the texts the raster draws.
#include <string>
#include <string_view>

namespace pv {

// The text with every byte that does not start a well-formed UTF-8 sequence
// replaced by '?', so that a font engine accepts it.
std::string Utf8Sanitized(std::string_view text);
// Characters (code points) of the sanitised text.
int Utf8Length(std::string_view text);

}  // namespace pv
