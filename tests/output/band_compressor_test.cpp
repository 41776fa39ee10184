#include "output/band_compressor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "output/band_result.h"

namespace pv {
namespace {

using Words = std::vector<std::uint16_t>;

std::vector<std::uint8_t> ColumnsOf(const Words& words) {
    std::vector<std::uint8_t> b;
    for (std::uint16_t w : words) {
        b.push_back(static_cast<std::uint8_t>(w & 0xFF));
        b.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return b;
}

Words WordsOf(std::span<const std::uint8_t> bytes) {
    Words w;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        w.push_back(static_cast<std::uint16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return w;
}

Words Compressed(const Words& columnWords, int bytesPerColumn, bool reverse = false) {
    const auto cols = ColumnsOf(columnWords);
    SegmentBuffer out(SegmentBuffer::CapacityFor(Edition::TwoHead));
    const int count = static_cast<int>(cols.size()) / bytesPerColumn;
    EXPECT_EQ(BandCompressor::Compress(cols, count, bytesPerColumn, reverse, out), kBandOk);
    return WordsOf(out.Bytes());
}

TEST(BandCompressor, ZeroRunsCloseAtTwentyTwoHundredWords) {
    EXPECT_EQ(Compressed(Words(2200, 0), 44), (Words{0, 2200}));        // 100 empty columns
    EXPECT_EQ(Compressed(Words(2222, 0), 44), (Words{0, 2200, 0, 22}));
    EXPECT_EQ(Compressed(Words(4400, 0), 44), (Words{0, 2200, 0, 2200}));
    EXPECT_EQ(Compressed(Words(22 * 3, 0), 22), (Words{0, 66}));
}

TEST(BandCompressor, LoneWordBetweenRunsIsWrittenAsFiveWords) {
    Words w(44, 0);
    w[10] = 0x8001;   // j = 10 zeros before, k = 33 after
    EXPECT_EQ(Compressed(w, 44), (Words{0, 10, 0x8001, 0, 33}));
    Words edges(44, 0);
    edges[0] = 7;
    edges[43] = 9;
    EXPECT_EQ(Compressed(edges, 44), (Words{7, 0, 42, 9}));
    // A zero run that crosses the 2200 boundary around a word.
    Words long_(4400, 0);
    long_[2300] = 5;
    EXPECT_EQ(Compressed(long_, 44), (Words{0, 2200, 0, 100, 5, 0, 2099}));
}

TEST(BandCompressor, ReversedBandSendsColumnsBackwardWordsForward) {
    // Two columns of 22 words: column 0 starts with 1, 2; column 1 with 3.
    Words w(44, 0);
    w[0] = 1;
    w[1] = 2;
    w[22] = 3;
    EXPECT_EQ(Compressed(w, 44, true), (Words{3, 0, 21, 1, 2, 0, 20}));
}

TEST(BandCompressor, OverflowFailsCleanlyInsteadOfWritingPastTheBuffer) {
    // Alternating non-zero and zero words grow by half: 26,000 columns of
    // them need 1,716,000 bytes.
    Words w(26000 * 22);
    for (std::size_t i = 0; i < w.size(); ++i) w[i] = (i % 2 == 0) ? 0x0101 : 0;
    const auto cols = ColumnsOf(w);
    SegmentBuffer out(SegmentBuffer::CapacityFor(Edition::TwoHead));
    EXPECT_EQ(BandCompressor::Compress(cols, 26000, 44, false, out), kBandSegmentOverflow);
    EXPECT_EQ(out.Length(), 0u);
    // All words set fills the buffer exactly.
    const auto full = ColumnsOf(Words(26000 * 22, 0xFFFF));
    EXPECT_EQ(BandCompressor::Compress(full, 26000, 44, false, out), kBandOk);
    EXPECT_EQ(out.Length(), out.Capacity());
}

TEST(BandCompressor, ExpandRoundTripsAndRejectsWhatIsNotABand) {
    Words w(22 * 300, 0);
    for (std::size_t i = 0; i < w.size(); i += 97) w[i] = static_cast<std::uint16_t>(i + 1);
    const auto cols = ColumnsOf(w);
    SegmentBuffer seg(SegmentBuffer::CapacityFor(Edition::TwoHead));
    ASSERT_EQ(BandCompressor::Compress(cols, 300, 44, false, seg), kBandOk);
    std::vector<std::uint8_t> back;
    ASSERT_EQ(BandCompressor::Expand(seg.Bytes(), cols.size(), back), kBandOk);
    EXPECT_EQ(back, cols);

    struct Bad { const char* why; Words words; std::size_t expected; };
    const Bad bad[] = {
        {"run of zero", {0, 0}, 4},
        {"run too long", {0, 2201}, 2202 * 2},
        {"run length missing", {5, 0}, 4},
        {"too many words", {1, 2, 3}, 4},
        {"too few words", {0, 1}, 4},
        {"run past the end", {0, 3}, 4},
    };
    for (const Bad& b : bad) {
        const auto bytes = ColumnsOf(b.words);
        EXPECT_EQ(BandCompressor::Expand(bytes, b.expected, back), kBandBadSegment) << b.why;
    }
    const std::vector<std::uint8_t> odd{1, 0, 7};
    EXPECT_EQ(BandCompressor::Expand(odd, 2, back), kBandBadSegment);
}

}  // namespace
}  // namespace pv
