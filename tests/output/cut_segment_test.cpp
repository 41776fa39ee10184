#include "output/cut_segment_builder.h"

#include <gtest/gtest.h>

#include "cut_test_util.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::MakePage;

TEST(TidyCutRecords, MovesCollapseAndBridgesLiftInLiftMode) {
    struct Case {
        const char* name;
        int cutMode;
        std::vector<CutRecord> in, out;
    };
    const Case cases[] = {
        {"run of moves keeps its last", 0,
         {{0, 0, 'M'}, {5, 5, 'M'}, {9, 9, 'M'}, {20, 9, 'F'}},
         {{9, 9, 'M'}, {20, 9, 'F'}}},
        {"move to where the cut ended", 0,
         {{0, 0, 'M'}, {10, 0, 'F'}, {10, 0, 'M'}, {20, 0, 'F'}},
         {{0, 0, 'M'}, {10, 0, 'F'}, {20, 0, 'F'}}},
        {"move elsewhere stays", 0,
         {{0, 0, 'M'}, {10, 0, 'F'}, {10, 1, 'M'}, {20, 0, 'F'}},
         {{0, 0, 'M'}, {10, 0, 'F'}, {10, 1, 'M'}, {20, 0, 'F'}}},
        {"bridges cut in normal mode", 0,
         {{0, 0, 'M'}, {10, 0, 'F'}, {12, 0, 'H'}, {20, 0, 'F'}},
         {{0, 0, 'M'}, {10, 0, 'F'}, {12, 0, 'H'}, {20, 0, 'F'}}},
        {"bridges lifted", 1,
         {{0, 0, 'M'}, {10, 0, 'F'}, {12, 0, 'H'}, {20, 0, 'F'}},
         {{0, 0, 'M'}, {10, 0, 'F'}, {12, 0, 'M'}, {20, 0, 'F'}}},
        {"segment ending in a bridge ends with a move", 1,
         {{0, 0, 'M'}, {10, 0, 'F'}, {12, 0, 'H'}},
         {{0, 0, 'M'}, {10, 0, 'F'}, {12, 0, 'M'}}},
        {"lifted bridge then move", 1,
         {{0, 0, 'M'}, {10, 0, 'F'}, {12, 0, 'H'}, {50, 50, 'M'}, {60, 50, 'F'}},
         {{0, 0, 'M'}, {10, 0, 'F'}, {50, 50, 'M'}, {60, 50, 'F'}}},
        {"empty", 1, {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<CutRecord> r = c.in;
        TidyCutRecords(r, c.cutMode);
        EXPECT_EQ(r, c.out) << c.name;
    }
}

TEST(CutSegmentBuilder, ConsecutiveCurvesJoinWithoutAMove) {
    CutFrame f;
    f.feedPulses = f.carriagePulses = 4000;   // one pulse per plotter unit
    f.bandsPerSegment = 1;
    f.bandStep = 11811;                        // a window of 1000 mm = 40000 pulses
    COnePage page = MakePage({MakeCurve(kFullCut, {{100, 0}, {200, 0}}), MakeCurve(kHalfCut, {{200, 0}, {232, 0}}),
                              MakeCurve(kDrawn, {{0, 0}, {500, 500}}), MakeCurve(kFullCut, {{232, 0}, {400, 0}})});
    CutSegmentBuilder b(f, 0);
    ASSERT_EQ(b.Build(0, page), 4u);
    const std::vector<CutRecord> expected{{100, 0, 'M'}, {200, 0, 'F'}, {232, 0, 'H'}, {400, 0, 'F'}};
    EXPECT_EQ(b.Records(), expected);
    EXPECT_EQ(b.Build(1, page), 0u);   // the next window holds nothing
}

TEST(CutSegmentBuilder, ALongCutIsSharedOutOverTheWindows) {
    // Default machine: windows of 8 bands; a cut along the whole feed is cut
    // piece by piece, each piece ending where the next window starts.
    const MachineParams p = MachineParams::Defaults(Edition::TwoHead);
    CutSegmentBuilder b(CutFrame::From(p, Edition::TwoHead, 298), p.machine.cutMode);
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 1000}, {40000, 1000}})});
    std::int64_t reached = -1;
    int segments = 0;
    for (int k = 0; b.Build(k, page) > 0; ++k, ++segments) {
        const auto& r = b.Records();
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[0].code, 'M');
        if (k > 0) {
            EXPECT_EQ(r[0].x, b.WindowStart(k));
            EXPECT_EQ(r[0].x, reached);
        }
        reached = r[1].x;
    }
    EXPECT_EQ(segments, 5);   // 1005 mm of feed over windows of 201.8 mm
    EXPECT_EQ(reached, (1000 + 5) * 80);   // 1000 mm plus the 5.0 mm registration
}

TEST(CutRecordWire, RecordsAreTwelveLittleEndianBytes) {
    const std::vector<CutRecord> records{{0x01020304, -2, 'F'}, {7, 8, 'M'}};
    std::vector<std::uint8_t> wire;
    ASSERT_EQ(PackCutRecords(records, wire), kCutPackOk);
    const std::vector<std::uint8_t> expected{0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 'F', 0, 0, 0,
                                             7,    0,    0,    0,    8,    0,    0,    0,    'M', 0, 0, 0};
    EXPECT_EQ(wire, expected);
    EXPECT_EQ(UnpackCutRecord(wire, 12), records[1]);
}

TEST(CutRecordWire, AtMost65534RecordsToASegment) {
    std::vector<CutRecord> records(65534, CutRecord{1, 2, 'F'});
    std::vector<std::uint8_t> wire;
    ASSERT_EQ(PackCutRecords(records, wire), kCutPackOk);
    EXPECT_EQ(wire.size(), 65534u * 12u);
    records.push_back({3, 4, 'F'});
    EXPECT_EQ(PackCutRecords(records, wire), kCutTooManyRecords);
    EXPECT_TRUE(wire.empty());
}

TEST(CutSegmentBuilder, SegmentOfTooManyRecordsCannotBePacked) {
    // 40000 short cuts in one window, each a move and a cut.
    COnePage page;
    for (int i = 0; i < 40000; ++i) page.curves.push_back(MakeCurve(kFullCut, {{100, 3 * i}, {101, 3 * i + 1}}));
    const MachineParams p = MachineParams::Defaults(Edition::TwoHead);
    CutSegmentBuilder b(CutFrame::From(p, Edition::TwoHead, 298), 0);
    EXPECT_EQ(b.Build(0, page), 80000u);
    EXPECT_EQ(b.Pack(), kCutTooManyRecords);
    EXPECT_TRUE(b.Wire().empty());
}

}  // namespace
}  // namespace pv
