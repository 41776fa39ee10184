#include "emulator/job_recorder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "emulator/band_ink_image.h"
#include "output/raster_config.h"

namespace pv {

namespace {

bool WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

nlohmann::json Summary(const PlotterJob& job) {
    nlohmann::json j;
    j["job"] = job.number;
    j["edition"] = std::string(Info(job.edition).programName);
    j["ending"] = job.ending;
    j["jobStart"] = {{"paperLength", job.paperLength}, {"columnCount", job.columnCount}};
    auto& bands = j["bands"] = nlohmann::json::array();
    for (const auto& b : job.bands)
        bands.push_back({{"order", b.order}, {"index", b.index}, {"reverse", b.reverse}, {"flag", b.constant}, {"bytes", b.bytesReceived}});
    auto& cuts = j["cutSegments"] = nlohmann::json::array();
    for (std::size_t i = 0; i < job.cutSegments.size(); ++i)
        cuts.push_back({{"order", job.cutSegments[i].order},
                        {"records", job.cutSegments[i].recordCount},
                        {"complete", job.cutSegments[i].complete}});
    j["commands"] = job.commands;
    j["polls"] = job.polls;
    j["bandBytes"] = job.bandBytes;
    return j;
}

nlohmann::json Cuts(const PlotterJob& job) {
    nlohmann::json segments = nlohmann::json::array();
    for (const auto& seg : job.cutSegments) {
        nlohmann::json records = nlohmann::json::array();
        for (const auto& r : seg.records)
            records.push_back({{"x", r.x}, {"y", r.y}, {"code", std::string(1, r.code)}});
        segments.push_back({{"records", std::move(records)}});
    }
    return {{"unit", "pulses"}, {"segments", std::move(segments)}};
}

}  // namespace

JobRecorder::JobRecorder(std::string dir, const AppSettings& settings) : dir_(std::move(dir)), settings_(settings) {}

std::string JobRecorder::JobFolderName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "job-%03d", number);
    return name;
}

bool JobRecorder::Record(const PlotterJob& job) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(dir_) / JobFolderName(job.number);
    std::filesystem::create_directories(folder, ec);
    if (ec) return false;
    bool ok = WriteText(folder / "summary.json", Summary(job).dump(1) + "\n");
    ok = WriteText(folder / "cuts.json", Cuts(job).dump(1) + "\n") && ok;
    AppSettings settings = settings_;
    settings.edition = job.edition;
    const BandInk ink = ReconstructBandInk(job, RasterConfig::From(settings, job.params));
    ok = WriteBandInkImage(ink, (folder / "ink.png").string()) && ok;
    return ok;
}

}  // namespace pv
