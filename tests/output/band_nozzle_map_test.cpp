#include "output/nozzle_map.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace pv {
namespace {

TEST(BandNozzleMap, WorkedPrimitivesServeTheirNozzles) {
    struct Case { int primitive; std::vector<int> nozzles; int firstAddress; };
    const Case cases[] = {
        {0, {0, 22, 44, 66, 88, 110, 132}, 0},
        {7, {21, 43, 65, 87, 109, 131}, 1},
        {13, {17, 39, 61, 83, 105, 127, 149}, 0},
        {14, {20, 42, 64, 86, 108, 130}, 1},
        {6, {18, 40, 62, 84, 106, 128}, 0},
        {21, {19, 41, 63, 85, 107, 129}, 0},
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < c.nozzles.size(); ++i) {
            const int n = c.nozzles[i];
            const int a = c.firstAddress + static_cast<int>(i);
            EXPECT_EQ(NozzlePrimitive(n), c.primitive) << n;
            EXPECT_EQ(NozzleAddress(n), a) << n;
            EXPECT_EQ(NozzleAt(c.primitive, a), n);
        }
        // Nothing before the first address or after the last nozzle.
        if (c.firstAddress == 1) {
            EXPECT_EQ(NozzleAt(c.primitive, 0), -1);
        }
        EXPECT_EQ(NozzleAt(c.primitive, c.firstAddress + static_cast<int>(c.nozzles.size())), -1);
    }
}

TEST(BandNozzleMap, EveryNozzleHasItsOwnFiringPositionAndSlotSevenIsUnused) {
    std::set<std::pair<int, int>> used;
    for (int n = 0; n < kNozzlesPerHead; ++n) {
        const int p = NozzlePrimitive(n), a = NozzleAddress(n);
        ASSERT_GE(p, 0);
        ASSERT_LT(p, 22);
        ASSERT_GE(a, 0);
        ASSERT_LT(a, 7) << n;
        EXPECT_TRUE(used.insert({p, a}).second) << n;
        EXPECT_EQ(NozzleAt(p, a), n);
    }
    int served = 0;
    for (int p = 0; p < 22; ++p)
        for (int a = 0; a < 8; ++a) served += NozzleAt(p, a) >= 0;
    EXPECT_EQ(served, kNozzlesPerHead);
    EXPECT_EQ(NozzleAt(-1, 0), -1);
    EXPECT_EQ(NozzleAt(22, 0), -1);
}

}  // namespace
}  // namespace pv
