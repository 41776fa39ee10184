#pragma once
// What tells one version of a pattern file from another: the FNV-1a 64
// hash of its bytes, in 16 hex digits ("" when it cannot be read).  Not a
// guard against tampering, only against a changed file.
#include <string>

namespace pv {

std::string FileContentHash(const std::string& path);

}  // namespace pv
