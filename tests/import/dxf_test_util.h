#pragma once
// Small helpers for writing DXF text in tests.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/dxf_drawing.h"
#include "import/dxf_reader.h"
#include "settings/app_settings.h"

namespace pv::test {

using Groups = std::vector<std::pair<int, std::string>>;

// Joins groups into DXF text with the given line end.
inline std::string DxfSource(const Groups& groups, std::string_view eol = "\r\n") {
    std::string out;
    for (const auto& [code, value] : groups) {
        out += std::to_string(code);
        out += eol;
        out += value;
        out += eol;
    }
    return out;
}

inline Groups Concat(std::initializer_list<Groups> parts) {
    Groups all;
    for (const Groups& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

inline Groups Section(const std::string& name, const Groups& body) {
    return Concat({{{0, "SECTION"}, {2, name}}, body, {{0, "ENDSEC"}}});
}

inline Groups Entities(const Groups& body) {
    return Concat({Section("ENTITIES", body), {{0, "EOF"}}});
}

inline Groups Line(double x1, double y1, double x2, double y2, const std::string& layer = "0") {
    return {{0, "LINE"}, {8, layer}, {10, std::to_string(x1)}, {20, std::to_string(y1)}, {30, "0.0"},
            {11, std::to_string(x2)}, {21, std::to_string(y2)}, {31, "0.0"}};
}

inline int ReadText(DxfDrawing& drawing, const std::string& text) {
    return ReadDxfBytes(drawing, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// A scratch directory removed at the end of the test.
class TempDir {
public:
    TempDir() {
        auto base = std::filesystem::temp_directory_path();
        for (int i = 0;; ++i) {
            path_ = base / ("pv_dxf_" + std::to_string(::getpid()) + "_" + std::to_string(i));
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    // The directory with a trailing separator, as ProgramDir is kept.
    std::string dir() const { return path_.string() + "/"; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return (path_ / name).string();
    }

private:
    std::filesystem::path path_;
};

// Settings whose program directory (fonts, "dxfChar.plt") is `dir`.
inline AppSettings SettingsIn(const TempDir& dir) {
    AppSettings s;
    s.ProgramDir = dir.dir();
    s.HzFontPath = s.ProgramDir + "fon_hz.bin";
    s.EnFontPath = s.ProgramDir + "fon_en.bin";
    return s;
}

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace pv::test
