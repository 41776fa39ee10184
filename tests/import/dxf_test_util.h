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
#include "common/scratch_dir.h"

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
class TempDir : public ScratchDir {
public:
    TempDir() : ScratchDir("dxf") {}
    const std::filesystem::path& path() const { return Path(); }
    // The directory with a trailing separator, as ProgramDir is kept.
    std::string dir() const { return Dir(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        WriteAll(File(name), bytes);
        return File(name);
    }
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
