#pragma once
// Reading one pattern file into the page of a job: the path every file takes
// when it is added by hand, found in a watched folder, or read when its job
// is first shown.
#include <memory>
#include <string>

#include "geometry/one_page.h"
#include "geometry/post_read.h"
#include "import/dxf_job_reader.h"
#include "import/message_sink.h"

namespace pv {

struct AppSettings;

struct ReadJobResult {
    // The reader's result: 0 success, 1 the file could not be opened, -2 its
    // size or content was refused, -3 syntax.  Callers report any non-zero
    // result as "Open File Failed!" ("文件打开失败!").
    int result = 1;
    // The finished page; null when the read failed or the file held no curve
    // (such a file becomes no job, and no message is shown for it).
    std::unique_ptr<COnePage> page;
};

// A name longer than 5 characters that ends in "DXF" (any letter case) is a
// DXF drawing; every other file is read as HPGL.
bool IsDxfPath(const std::string& path);

// Reads `path`, builds its page, scales it by the PLT unit and runs the
// post-read sequence.  `sink` receives the reader's own messages (a missing
// stroke-font file).  `dxf` carries the size choice for a garment DXF file;
// such a file keeps the cut lines its layers give and is not searched for
// outlines.
ReadJobResult ReadJobFile(const std::string& path, const AppSettings& settings, const MessageSink& sink,
                          ReadPath readPath, const DxfJobOptions& dxf = {});

}  // namespace pv
