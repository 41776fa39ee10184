#pragma once
// Small hand-made stroke fonts for the label tests, written in the font file
// format, and a per-test program directory to put them in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "import/label_drawer.h"
#include "import/plot_command.h"
#include "settings/app_settings.h"
#include "program_dir_test.h"

namespace pv::label_test {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

struct LatinGlyph {
    Bytes bytes;
    std::uint16_t advance;
};

inline void Put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
inline void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A Latin font file: header 4, 22, 7 unless given, glyphs in code order.
inline Bytes LatinFont(const std::map<std::uint16_t, LatinGlyph>& glyphs, unsigned m0 = 4, unsigned m1 = 22) {
    Bytes out;
    Put16(out, m0);
    Put16(out, m1);
    Put16(out, 7);
    Put32(out, static_cast<std::uint32_t>(glyphs.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(10 + 10 * glyphs.size());
    Bytes body;
    for (const auto& [code, g] : glyphs) {
        Put16(out, code);
        Put16(out, static_cast<unsigned>(g.bytes.size()));
        Put16(out, g.advance);
        Put32(out, offset + static_cast<std::uint32_t>(body.size()));
        body.insert(body.end(), g.bytes.begin(), g.bytes.end());
    }
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// A Chinese font file with a 16 x 16 cell.
inline Bytes ChineseFont(const std::map<std::uint16_t, Bytes>& glyphs) {
    Bytes out;
    Put16(out, 16);
    Put16(out, 16);
    Put32(out, static_cast<std::uint32_t>(glyphs.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(8 + 8 * glyphs.size());
    Bytes body;
    for (const auto& [code, g] : glyphs) {
        Put16(out, code);
        Put16(out, static_cast<unsigned>(g.size()));
        Put32(out, offset + static_cast<std::uint32_t>(body.size()));
        body.insert(body.end(), g.begin(), g.end());
    }
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// A program directory of its own for each test, with the font paths set.
class ProgramDir {
public:
    ProgramDir() { import_test::UseProgramDir(settings, dir_); }
    ProgramDir(const ProgramDir&) = delete;
    ProgramDir& operator=(const ProgramDir&) = delete;

    void Write(const std::string& path, const Bytes& bytes) const {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }
    const fs::path& Path() const { return dir_; }

    AppSettings settings;

private:
    test::ScratchDir scratch_{"label"};
    fs::path dir_ = scratch_.Path();
};

// Label settings in the order SI gives them: width, then height (cm).
inline LabelStyle Style(double charWidth, double charHeight, double angleDeg = 0, std::int32_t origin = 1,
                        std::int32_t fontScale = 100) {
    return LabelStyle{charHeight, charWidth, angleDeg, origin, fontScale};
}

using Point = std::pair<std::int32_t, std::int32_t>;
using Polyline = std::vector<Point>;

// The Move/Draw pairs of a command list as polylines (move point first).
inline std::vector<Polyline> Strokes(const PlotCommandList& list) {
    std::vector<Polyline> out;
    for (const auto& r : list.Records()) {
        auto p = list.Params(r);
        if (r.kind == PlotKind::Move) {
            out.push_back({{p[0], p[1]}});
        } else if (r.kind == PlotKind::Draw && !out.empty()) {
            for (std::size_t i = 0; i + 1 < p.size(); i += 2) out.back().push_back({p[i], p[i + 1]});
        }
    }
    return out;
}

}  // namespace pv::label_test
