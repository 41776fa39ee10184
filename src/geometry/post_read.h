#pragma once
// The sequence every freshly read page goes through before it becomes a job.
#include "geometry/one_page.h"

namespace pv {

struct AppSettings;

enum class ReadPath {
    AddCommand,   // a file added by hand or found in a watched directory
    FirstShown,   // a deferred page read when the view first shows it
};

struct PostReadOptions {
    ReadPath path = ReadPath::AddCommand;
    // PLT-unit factors for this file (1.0 = unchanged).
    double unitScaleX = 1.0;
    double unitScaleY = 1.0;
};

// HPGL pages: tidy, unit scaling, origin, joins, recognition, mirror,
// rotate/page, job fields, U notches.
void RunPostReadSequence(COnePage& page, const AppSettings& settings, const PostReadOptions& options);

// DXF pages: join touching, tidy, origin, joins, then the common tail.
void RunDxfPostReadSequence(COnePage& page, const AppSettings& settings);

// Garment DXF pages, whose cut lines come from the file's layers: tidy,
// origin, then the common tail without outline recognition (the pieces'
// boundaries are known and no line is joined to another), U notches.
void RunGarmentPostReadSequence(COnePage& page, const AppSettings& settings);

}  // namespace pv
