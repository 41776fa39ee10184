#include "cli/page_source.h"

#include <cstdio>
#include <filesystem>

#include "import/dxf_job_reader.h"
#include "import/hpgl_file.h"
#include "import/job_reader.h"

namespace pv::cli {

namespace {

MessageSink StderrSink(const CliContext& ctx) {
    return [name = ctx.programName](const std::string& message) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), message.c_str());
    };
}

}  // namespace

std::vector<std::string> SplitSizes(const std::string& value) {
    std::vector<std::string> sizes;
    std::size_t from = 0;
    while (from <= value.size()) {
        std::size_t to = value.find(',', from);
        if (to == std::string::npos) to = value.size();
        std::string size = value.substr(from, to - from);
        size.erase(0, size.find_first_not_of(" \t"));
        size.erase(size.find_last_not_of(" \t") + 1);
        if (!size.empty()) sizes.push_back(std::move(size));
        from = to + 1;
    }
    return sizes;
}

std::optional<SourcePage> ReadSourcePage(const CliContext& ctx, const AppSettings& settings, const std::string& path,
                                         bool raw, const DxfJobOptions& dxf) {
    SourcePage out;
    out.fileName = std::filesystem::path(path).filename().string();
    if (raw && IsDxfPath(path)) {
        // The conversion's curves as they come, before the reading sequence.
        out.page.filePath = path;
        out.result = ReadDxfJob(out.page, settings, StderrSink(ctx), dxf, nullptr);
        if (out.result == kDxfJobOk) out.page.CalcBounds();
    } else if (raw) {
        CHpglFile reader(settings, StderrSink(ctx));
        reader.path = path;
        out.result = reader.ReadFile();
        if (out.result == kHpglOk) {
            reader.BuildPage(out.page, 1);
            out.page.CalcBounds();
        }
    } else {
        ReadJobResult read = ReadJobFile(path, settings, StderrSink(ctx), ReadPath::AddCommand, dxf);
        out.result = read.result;
        if (read.page) out.page = std::move(*read.page);
    }
    if (out.result != 0) {
        std::fprintf(stderr, "Open File Failed! %s (result %d)\n", path.c_str(), out.result);
        return std::nullopt;
    }
    if (out.page.curves.empty()) std::fprintf(stderr, "%s: no curves in %s\n", ctx.programName.c_str(), path.c_str());
    return out;
}

std::optional<SourcePage> ReadSourcePage(const CliContext& ctx, const AppSettings& settings,
                                         const ParsedOptions& options) {
    DxfJobOptions dxf;
    if (auto sizes = options.Value(kSizesOption)) dxf.sizes = SplitSizes(*sizes);
    return ReadSourcePage(ctx, settings, options.positional.at(0), options.Has("--raw"), dxf);
}

}  // namespace pv::cli
