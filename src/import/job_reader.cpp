#include "import/job_reader.h"

#include <cctype>

#include "import/dxf_job_reader.h"
#include "import/hpgl_file.h"
#include "import/plt_unit.h"
#include "settings/app_settings.h"

namespace pv {

namespace {

ReadJobResult ReadHpglJob(const std::string& path, const AppSettings& settings, const MessageSink& sink,
                          ReadPath readPath) {
    ReadJobResult out;
    auto page = std::make_unique<COnePage>();
    PostReadOptions options;
    options.path = readPath;
    {
        CHpglFile reader(settings, sink);
        reader.path = path;
        out.result = reader.ReadFile();
        if (out.result != kHpglOk) return out;
        reader.BuildPage(*page, 1);
        if (page->curves.empty()) return out;
        const PltScale scale = PltUnitScale(settings, reader);
        if (scale.scales) {
            options.unitScaleX = scale.sx;
            options.unitScaleY = scale.sy;
        }
    }   // the reader's command list is freed before the page is worked on
    RunPostReadSequence(*page, settings, options);
    // Tidying can leave nothing (a file of single points); such a page would
    // otherwise be read again each time its empty job is shown.
    if (!page->curves.empty()) out.page = std::move(page);
    return out;
}

// DXF drawings: the reader and its conversion fill the page, which then goes
// through the DXF reading sequence.  A file that cannot be read (or whose
// texts cannot be passed through "dxfChar.plt") reports its failure.
ReadJobResult ReadDxfJobFile(const std::string& path, const AppSettings& settings, const MessageSink& sink,
                             const DxfJobOptions& dxf) {
    ReadJobResult out;
    auto page = std::make_unique<COnePage>();
    page->filePath = path;
    DxfJobInfo info;
    out.result = ReadDxfJob(*page, settings, sink, dxf, &info);
    if (out.result != kDxfJobOk) return out;
    if (info.garment) {
        RunGarmentPostReadSequence(*page, settings);
    } else {
        RunDxfPostReadSequence(*page, settings);
    }
    if (!page->curves.empty()) out.page = std::move(page);
    return out;
}

}  // namespace

bool IsDxfPath(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    if (name.size() <= 5) return false;
    const char* ext = name.c_str() + name.size() - 3;
    return std::toupper(static_cast<unsigned char>(ext[0])) == 'D' &&
           std::toupper(static_cast<unsigned char>(ext[1])) == 'X' &&
           std::toupper(static_cast<unsigned char>(ext[2])) == 'F';
}

ReadJobResult ReadJobFile(const std::string& path, const AppSettings& settings, const MessageSink& sink,
                          ReadPath readPath, const DxfJobOptions& dxf) {
    if (IsDxfPath(path)) return ReadDxfJobFile(path, settings, sink, dxf);
    return ReadHpglJob(path, settings, sink, readPath);
}

}  // namespace pv
