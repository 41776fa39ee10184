// The cut segments are built from an index of the knife curves' feed spans
// instead of clipping every curve for every segment.  These cases hold the
// indexed builder to the plain rule (clip every knife curve in list order,
// then tidy) on pages and frames chosen to catch a curve left out or
// visited twice: windows running backwards, curves exactly on a window's
// boundary, curves far outside every window, long curves wandering over
// many windows, every kind.
#include "output/cut_segment_builder.h"

#include <gtest/gtest.h>

#include <random>

#include "cut_test_util.h"
#include "output/span_index.h"

namespace pv {
namespace {

std::vector<CutRecord> ClipEveryCurve(std::int64_t k, const COnePage& page, const CutFrame& frame, int cutMode) {
    std::vector<CutRecord> out;
    const std::int64_t lo = CutWindowStart(k, frame), hi = CutWindowStart(k + 1, frame);
    for (const CCurve& c : page.curves)
        if (c.kind >= kFullCut) ClipToFeedWindow(c, lo, hi, frame, out);
    TidyCutRecords(out, cutMode);
    return out;
}

COnePage RandomPage(std::mt19937& rng, int curves, std::int32_t length) {
    std::uniform_int_distribution<int> kind(0, 6), points(0, 6), x(-2000, length), step(-3000, 3000), y(0, 60000);
    COnePage page;
    for (int i = 0; i < curves; ++i) {
        CCurve c;
        c.kind = kind(rng);
        std::int32_t px = x(rng);
        for (int n = points(rng); n > 0; --n) {
            c.points.push_back({px, y(rng)});
            px += step(rng);
        }
        page.curves.push_back(std::move(c));
    }
    // A cut along the whole page, and long ones that wander back and forth
    // over many windows (indexed piece by piece).
    page.curves.push_back(test::MakeCurve(kFullCut, {{0, 100}, {length, 200}}));
    for (const std::int32_t kind : {kFullCut, kHalfCut, kDot}) {
        CCurve c;
        c.kind = kind;
        std::int32_t px = x(rng);
        for (int n = 0; n < 400; ++n) {
            c.points.push_back({px, y(rng)});
            px += 3 * step(rng);
        }
        page.curves.push_back(std::move(c));
    }
    return page;
}

TEST(CutSegmentIndex, RecordsAreThoseOfClippingEveryCurve) {
    struct Frame {
        const char* name;
        double registrationX, feedPulses;
        std::int64_t bandsPerSegment, bandStep;
    };
    const Frame frames[] = {
        {"machine defaults", 50, 8000, 8, 298},
        {"one band per segment, far registration", -2000, 8000, 1, 298},
        {"registration ahead", 2000, 3000, 3, 150},
        {"feed running backwards", 50, -8000, 2, 298},
        {"no feed", 50, 0, 8, 298},
    };
    std::mt19937 rng(23);
    for (const Frame& f : frames) {
        CutFrame frame;
        frame.registrationX = f.registrationX;
        frame.registrationY = 50;
        frame.feedPulses = f.feedPulses;
        frame.carriagePulses = 8000;
        frame.bandsPerSegment = f.bandsPerSegment;
        frame.bandStep = f.bandStep;
        for (int round = 0; round < 4; ++round) {
            const COnePage page = RandomPage(rng, 300, 200'000);
            for (const int cutMode : {0, 1}) {
                CutSegmentBuilder b(frame, cutMode);
                // Out of order and repeated, as a retried segment is.
                for (const std::int64_t k : {3, 0, 1, 2, 2, 40, -1, -5, 17, 9, 10, 11, 12, 1000}) {
                    b.Build(k, page);
                    EXPECT_EQ(b.Records(), ClipEveryCurve(k, page, frame, cutMode)) << f.name << ", segment " << k;
                }
            }
        }
    }
}

TEST(CutSegmentIndex, AnotherPageOrARefilledOneIsIndexedAnew) {
    const MachineParams p = MachineParams::Defaults(Edition::TwoHead);
    const CutFrame frame = CutFrame::From(p, Edition::TwoHead, 298);
    // Segment 5 covers about 1004 to 1206 mm of paper.
    COnePage page = test::MakePage({test::MakeCurve(kFullCut, {{0, 0}, {400, 400}})});
    const COnePage inWindow5 = test::MakePage({test::MakeCurve(kFullCut, {{41'000, 0}, {42'000, 400}})});
    CutSegmentBuilder b(frame, 0);
    EXPECT_EQ(b.Build(5, page), 0u);
    EXPECT_EQ(b.Build(5, inWindow5), 2u);   // another page: its own spans

    // The same page object refilled for the next print, with as many curves
    // as before: every preparation resets the builder.
    page = inWindow5;
    b.Reset(frame, 0);
    EXPECT_EQ(b.Build(5, page), 2u);
    EXPECT_EQ(b.Records(), ClipEveryCurve(5, page, frame, 0));
}

TEST(SpanIndex, FindsEverySpanReachingTheWindowInIdOrder) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::int64_t> at(-1000, 1000), len(0, 300);
    for (const int count : {0, 1, 2, 3, 17, 64, 65, 500}) {
        std::vector<SpanIndex::Span> spans;
        for (int i = 0; i < count; ++i) {
            const std::int64_t lo = at(rng);
            spans.push_back({lo, lo + (i % 50 == 0 ? 5000 : len(rng)), static_cast<std::uint32_t>(3 * i + 1)});
        }
        SpanIndex index;
        index.Build(spans);
        for (int q = 0; q < 200; ++q) {
            const std::int64_t first = at(rng), last = first + at(rng) / 4;   // some run backwards
            std::vector<std::uint32_t> expected, found;
            for (const auto& s : spans)
                if (s.lo <= last && s.hi >= first) expected.push_back(s.id);
            index.Query(first, last, found);
            EXPECT_EQ(found, expected) << count << " spans, window " << first << ".." << last;
        }
    }
}

}  // namespace
}  // namespace pv
