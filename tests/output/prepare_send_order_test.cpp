#include "output/send_plan.h"

#include <gtest/gtest.h>

#include <string>

namespace pv {
namespace {

// The steps as text: "b0 b1 … c0 …".
std::string Steps(std::int32_t bands, std::int32_t perSegment) {
    StreamOrder order(bands, perSegment);
    std::string out;
    for (int guard = 0; guard < 10000; ++guard) {
        const SendStep s = order.Current();
        if (s.kind == SendStep::Kind::Done) return out;
        if (!out.empty()) out += ' ';
        out += (s.kind == SendStep::Kind::Band ? "b" : "c") + std::to_string(s.index);
        order.Advance();
    }
    return out + " …";
}

TEST(StreamOrder, CutSegmentsFollowTheirBands) {
    struct Case {
        std::int32_t bands, perSegment;
        const char* steps;
    };
    const Case cases[] = {
        {20, 8, "b0 b1 b2 b3 b4 b5 b6 b7 c0 b8 b9 b10 b11 b12 b13 b14 b15 c1 b16 b17 b18 b19 b20 b21 b22 b23 c2"},
        {3, 2, "b0 b1 c0 b2 b3 c1"},
        {4, 2, "b0 b1 c0 b2 b3 c1 b4"},   // a band step past the last band before the end
        {0, 8, "b0"},
        {2, 0, "b0 c0 b1 c1 b2"},         // no bands per segment counts as one
    };
    for (const Case& c : cases) EXPECT_EQ(Steps(c.bands, c.perSegment), c.steps) << c.bands << "/" << c.perSegment;
}

TEST(StreamOrder, AFailedBandIsTriedAgain) {
    StreamOrder order(2, 8);
    EXPECT_EQ(order.Current(), (SendStep{SendStep::Kind::Band, 0}));
    // Not advanced: the driver retries band 0.
    EXPECT_EQ(order.Current(), (SendStep{SendStep::Kind::Band, 0}));
    order.Advance();
    EXPECT_EQ(order.Current(), (SendStep{SendStep::Kind::Band, 1}));
    EXPECT_EQ(order.CutSegmentCount(), 1);
}

TEST(StreamOrder, WhichStepsCarryData) {
    EXPECT_TRUE(BandStepSendsData(19, 20));
    EXPECT_FALSE(BandStepSendsData(20, 20));
    EXPECT_TRUE(CutStepMaySend(2, 20, false));
    EXPECT_FALSE(CutStepMaySend(2, 20, true));
    EXPECT_FALSE(CutStepMaySend(1, 0, false));
}

}  // namespace
}  // namespace pv
