#include "import/dxf_job_reader.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "import/dxf_converter.h"
#include "import/dxf_reader.h"
#include "import/hpgl_file.h"
#include "settings/app_settings.h"

namespace pv {

namespace {

std::string NamePart(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Recreates the label file with its header and the labels; false when it
// cannot be written completely.
bool WriteLabelFile(const std::string& path, const std::string& labels) {
    std::remove(path.c_str());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    static constexpr char kHeader[] = "IN;SP1;";
    bool ok = std::fwrite(kHeader, 1, sizeof kHeader - 1, f) == sizeof kHeader - 1;
    if (ok && !labels.empty()) ok = std::fwrite(labels.data(), 1, labels.size(), f) == labels.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace

int ReadDxfJob(COnePage& page, const AppSettings& settings, const MessageSink& sink) {
    auto drawing = std::make_unique<DxfDrawing>();
    if (ReadDxf(*drawing, page.filePath) != 1) return kDxfJobCannotRead;

    // Converted into a scratch page first, so that a refused drawing leaves
    // the job's page as it was.
    COnePage converted;
    std::string labels;
    DxfConverter converter(*drawing, converted, settings.DxfUnit, labels);
    if (converter.EstimateWork() > DxfConverter::kMaxWork) return kDxfJobTooLarge;
    for (const DxfEntity& e : drawing->Entities()) {
        if (!converter.ConvertEntity(e)) return kDxfJobTooLarge;
    }
    drawing.reset();

    const std::string labelPath = settings.ProgramDir + kDxfLabelFileName;
    if (!WriteLabelFile(labelPath, labels)) return kDxfJobLabelFileFailed;
    labels.clear();
    labels.shrink_to_fit();
    // A file of the header alone adds no curve: it is not read back.
    if (converter.WroteLabels()) {
        CHpglFile reader(settings, sink);
        reader.path = labelPath;
        // Already plotter units: no PLT unit applies.  When the file cannot
        // be read back the texts are missing and the geometry stays.
        if (reader.ReadFile() == kHpglOk) reader.BuildPage(converted, 0);
    }

    page.fileName = NamePart(page.filePath);
    struct stat st {};
    if (::stat(page.filePath.c_str(), &st) == 0) {
        page.fileTime = static_cast<std::int64_t>(st.st_mtime);
        page.fileSize = static_cast<std::int64_t>(st.st_size);
    }
    page.curves.reserve(page.curves.size() + converted.curves.size());
    for (CCurve& c : converted.curves) page.curves.push_back(std::move(c));
    return kDxfJobOk;
}

}  // namespace pv
