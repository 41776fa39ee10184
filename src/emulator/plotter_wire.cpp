#include "emulator/plotter_wire.h"

#include <array>

namespace pv {

std::size_t PlotterWire::FrameLength(std::span<const std::uint8_t> b) {
    if (b.size() < 2) return 0;
    switch (b[0]) {
        case kCommandHead: return b[1] == 3 ? 3 : 0;
        case kReadHead: return b[1] == 4 ? 4 : 0;
        case kWriteHead: return b[1] >= 4 ? b[1] : 0;
        default: return 0;
    }
}

std::int32_t PlotterWire::Int32At(const std::uint8_t* b) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | b[i];
    return static_cast<std::int32_t>(v);
}

void PlotterWire::PutInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    out.insert(out.end(), {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                           static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)});
}

CutRecord PlotterWire::KnifeRecordAt(std::span<const std::uint8_t> bytes, std::size_t i) {
    const std::uint8_t* r = bytes.data() + i * kKnifeRecordBytes;
    return CutRecord{Int32At(r), Int32At(r + 4), static_cast<char>(r[8])};
}

bool PlotterWire::ExpandBand(std::span<const std::uint8_t> band, std::size_t expectedBytes,
                             std::vector<std::uint8_t>& out) {
    out.clear();
    if (band.size() % 2 != 0 || expectedBytes % 2 != 0) return false;
    out.reserve(expectedBytes);
    const std::size_t words = band.size() / 2;
    auto word = [&band](std::size_t w) { return static_cast<unsigned>(band[2 * w] | band[2 * w + 1] << 8); };
    for (std::size_t w = 0; w < words; ++w) {
        const unsigned v = word(w);
        if (v != 0) {
            out.push_back(band[2 * w]);
            out.push_back(band[2 * w + 1]);
        } else {
            if (++w == words) return false;   // a run without its length
            const unsigned run = word(w);
            if (run == 0 || run > 2200) return false;
            out.insert(out.end(), 2 * static_cast<std::size_t>(run), 0);
        }
        if (out.size() > expectedBytes) return false;
    }
    return out.size() == expectedBytes;
}

int PlotterWire::NozzleFiredAt(int primitive, int address) {
    // The table is built from the firing rule of each nozzle, so the
    // lookup is the rule read backwards.
    static const std::array<std::array<int, 8>, 22> table = [] {
        std::array<std::array<int, 8>, 22> t{};
        for (auto& row : t) row.fill(-1);
        for (int n = 0; n < 150; ++n) {
            const int p = (15 * (n % 22)) % 22;
            const int a = n / 22 + ((n % 22 == 20 || n % 22 == 21) ? 1 : 0);
            t[p][a] = n;
        }
        return t;
    }();
    if (primitive < 0 || primitive >= 22 || address < 0 || address >= 8) return -1;
    return table[primitive][address];
}

}  // namespace pv
