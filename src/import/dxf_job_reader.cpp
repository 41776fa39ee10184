#include "import/dxf_job_reader.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "import/dxf_converter.h"
#include "import/garment_converter.h"
#include "settings/localized.h"
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
    return ReadDxfJob(page, settings, sink, DxfJobOptions{}, nullptr);
}

namespace {

// Sizes asked for that the file does not hold, reported by name.
std::vector<std::string> UnknownSizes(const std::vector<std::string>& asked, const std::vector<std::string>& held) {
    std::vector<std::string> unknown;
    for (const std::string& a : asked) {
        bool found = false;
        for (const std::string& h : held) found = found || SameSize(a, h);
        if (!found) unknown.push_back(a);
    }
    return unknown;
}

std::string Joined(const std::vector<std::string>& list) {
    std::string out;
    for (const std::string& s : list) out += (out.empty() ? "" : ", ") + s;
    return out;
}

}  // namespace

GarmentFileFacts InspectGarmentFile(const std::string& path, const AppSettings& settings) {
    GarmentFileFacts facts;
    if (settings.DxfGarmentLayers == 0) return facts;
    auto drawing = std::make_unique<DxfDrawing>();
    if (ReadDxf(*drawing, path) != 1) return facts;
    const GarmentDrawing garment = InspectGarmentDrawing(*drawing, settings.DxfUnit);
    facts.garment = garment.garment;
    facts.sizes = garment.sizes;
    return facts;
}

int ReadDxfJob(COnePage& page, const AppSettings& settings, const MessageSink& sink, const DxfJobOptions& options,
               DxfJobInfo* info) {
    auto drawing = std::make_unique<DxfDrawing>();
    if (ReadDxf(*drawing, page.filePath) != 1) return kDxfJobCannotRead;

    // Converted into a scratch page first, so that a refused drawing leaves
    // the job's page as it was.
    COnePage converted;
    std::string labels;
    bool wroteLabels = false;
    GarmentDrawing garment;
    if (settings.DxfGarmentLayers != 0) garment = InspectGarmentDrawing(*drawing, settings.DxfUnit);
    if (garment.garment) {
        const std::vector<std::string> unknown = UnknownSizes(options.sizes, garment.sizes);
        if (info != nullptr) {
            info->garment = true;
            info->unit = garment.unit;
            info->unitSource = garment.unitSource;
            info->sizes = garment.sizes;
            info->unknownSizes = unknown;
        }
        if (!unknown.empty()) {
            if (sink) {
                sink(Localized(settings.Language, "文件中没有这些尺码: ", "Sizes not in the file: ") + Joined(unknown) +
                     Localized(settings.Language, " (文件中的尺码: ", " (the file has: ") + Joined(garment.sizes) +
                     ")");
            }
            return kDxfJobUnknownSize;
        }
        GarmentConverter converter(*drawing, garment, converted, settings.CutNotch, options.sizes, labels);
        if (!converter.Convert()) return kDxfJobTooLarge;
        wroteLabels = converter.WroteLabels();
    } else {
        if (info != nullptr) info->unit = settings.DxfUnit;
        DxfConverter converter(*drawing, converted, settings.DxfUnit, labels);
        if (converter.EstimateWork() > DxfConverter::kMaxWork) return kDxfJobTooLarge;
        for (const DxfEntity& e : drawing->Entities()) {
            if (!converter.ConvertEntity(e)) return kDxfJobTooLarge;
        }
        wroteLabels = converter.WroteLabels();
    }
    drawing.reset();

    const std::string labelPath = settings.ProgramDir + kDxfLabelFileName;
    if (!WriteLabelFile(labelPath, labels)) return kDxfJobLabelFileFailed;
    labels.clear();
    labels.shrink_to_fit();
    // A file of the header alone adds no curve: it is not read back.
    if (wroteLabels) {
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
