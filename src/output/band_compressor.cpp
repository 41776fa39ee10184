#include "output/band_compressor.h"

#include <algorithm>
#include <cstring>

#include "output/band_result.h"

namespace pv {
namespace {

bool allZero(const std::uint8_t* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t v;
        std::memcpy(&v, p + i, 8);
        if (v != 0) return false;
    }
    for (; i < n; ++i)
        if (p[i] != 0) return false;
    return true;
}

// Zero words waiting to be written as runs.
class RunWriter {
public:
    explicit RunWriter(SegmentBuffer& out) : out_(out) {}
    bool zeros(std::uint32_t n) {
        run_ += n;
        while (run_ >= BandCompressor::kMaxRun) {
            if (!out_.PutRun(BandCompressor::kMaxRun)) return false;
            run_ -= BandCompressor::kMaxRun;
        }
        return true;
    }
    bool word(std::uint16_t w) {
        if (!flush()) return false;
        return out_.Put(w);
    }
    bool flush() {
        if (run_ == 0) return true;
        if (!out_.PutRun(static_cast<std::uint16_t>(run_))) return false;
        run_ = 0;
        return true;
    }

private:
    SegmentBuffer& out_;
    std::uint32_t run_ = 0;
};

}  // namespace

int BandCompressor::Compress(std::span<const std::uint8_t> columns, std::int32_t columnCount,
                             int bytesPerColumn, bool reverse, SegmentBuffer& out) {
    out.Clear();
    if (columnCount <= 0 || bytesPerColumn <= 0) return kBandOk;
    const std::size_t stride = static_cast<std::size_t>(bytesPerColumn);
    const std::size_t count = static_cast<std::size_t>(columnCount);
    if ((stride % 2) != 0 || columns.size() / stride < count) return kBandNotPrepared;
    const std::uint32_t wordsPerColumn = static_cast<std::uint32_t>(stride / 2);
    RunWriter w(out);
    bool ok = true;
    for (std::size_t i = 0; i < count && ok; ++i) {
        const std::size_t c = reverse ? count - 1 - i : i;
        const std::uint8_t* col = columns.data() + c * stride;
        if (allZero(col, stride)) {
            ok = w.zeros(wordsPerColumn);
            continue;
        }
        // Four words at a time: an all-zero group only extends the run.
        for (std::size_t b = 0; b < stride && ok; b += 8) {
            const std::size_t n = std::min<std::size_t>(8, stride - b);
            if (n == 8) {
                std::uint64_t group;
                std::memcpy(&group, col + b, 8);
                if (group == 0) {
                    ok = w.zeros(4);
                    continue;
                }
            }
            for (std::size_t k = b; k < b + n && ok; k += 2) {
                const std::uint16_t word = static_cast<std::uint16_t>(col[k] | (col[k + 1] << 8));
                ok = word == 0 ? w.zeros(1) : w.word(word);
            }
        }
    }
    if (ok) ok = w.flush();
    if (!ok) {
        out.Clear();
        return kBandSegmentOverflow;
    }
    return kBandOk;
}

int BandCompressor::Expand(std::span<const std::uint8_t> segment, std::size_t expectedBytes,
                           std::vector<std::uint8_t>& out) {
    out.assign(expectedBytes, 0);
    if (segment.size() % 2 != 0) return kBandBadSegment;
    const std::size_t words = segment.size() / 2;
    const auto wordAt = [&](std::size_t i) {
        return static_cast<std::uint16_t>(segment[2 * i] | (segment[2 * i + 1] << 8));
    };
    std::size_t pos = 0;  // bytes produced
    for (std::size_t i = 0; i < words; ++i) {
        const std::uint16_t w = wordAt(i);
        if (w != 0) {
            if (expectedBytes - pos < 2) return kBandBadSegment;
            out[pos] = static_cast<std::uint8_t>(w & 0xFF);
            out[pos + 1] = static_cast<std::uint8_t>(w >> 8);
            pos += 2;
            continue;
        }
        if (++i >= words) return kBandBadSegment;
        const std::uint16_t n = wordAt(i);
        if (n == 0 || n > kMaxRun) return kBandBadSegment;
        if ((expectedBytes - pos) / 2 < n) return kBandBadSegment;
        pos += 2u * n;  // already zero
    }
    return pos == expectedBytes ? kBandOk : kBandBadSegment;
}

}  // namespace pv
