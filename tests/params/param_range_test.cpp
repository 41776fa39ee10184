#include "params/param_range.h"

#include <gtest/gtest.h>

#include "params/param_field.h"

namespace pv {
namespace {

TEST(ParamRange, StoredRangesFollowThePagesAndTheRecordsTypes) {
    struct Case {
        const char* name;
        Edition edition;
        std::int32_t min, max;
    } const cases[] = {
        {"bridgeLen", Edition::TwoHead, 1, 30},              // 0.1..3.0 mm in 0.1 mm
        {"bandOverlapComp", Edition::FourHead, 0, 200},      // 0.00..2.00 mm in 0.01 mm
        {"plotCutOffsetX", Edition::TwoHead, -2000, 2000},
        {"edgeRightPx", Edition::FourHead, -5, 5},
        {"head2PosRight", Edition::TwoHead, 0, 250},         // one byte on the two-head machine
        {"head2PosRight", Edition::FourHead, 0, 750},
        {"feedPulsesPerMm", Edition::TwoHead, 2000, 65535},  // the page's 800 does not fit 16 bits
        {"leftOffsetMm", Edition::TwoHead, 0, 65535},        // no page range: the field's own
        {"headCombination", Edition::FourHead, 0, 5},
    };
    for (const Case& c : cases) {
        const auto r = EditableRange(c.name, c.edition);
        ASSERT_TRUE(r) << c.name;
        EXPECT_EQ(r->min, c.min) << c.name;
        EXPECT_EQ(r->max, c.max) << c.name;
    }
}

TEST(ParamRange, OnlyTheEditionsEditedFieldsHaveOne) {
    EXPECT_FALSE(EditableRange("headCombination", Edition::TwoHead));
    EXPECT_FALSE(EditableRange("headEnable", Edition::FourHead));
    EXPECT_FALSE(EditableRange("longMoveSpeedRatio", Edition::FourHead));
    EXPECT_FALSE(EditableRange("head3PosLeft", Edition::TwoHead));
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        EXPECT_FALSE(EditableRange("firmwareFlag", e));
        EXPECT_FALSE(EditableRange("nozzleGap", e));
    }
    EXPECT_FALSE(EditableRange("reserved4", Edition::TwoHead));
    EXPECT_FALSE(EditableRange("reserved51", Edition::FourHead));
}

// A field added to a record without its range would be refused by name.
TEST(ParamRange, EveryEditableCarriedFieldHasOneWithinItsType) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        auto check = [e](const auto& fields) {
            for (const auto& f : fields) {
                if (!f.editable || f.Place(e).width == 0 || std::string_view(f.name) == "firmwareFlag") continue;
                const auto r = EditableRange(f.name, e);
                ASSERT_TRUE(r) << f.name;
                EXPECT_LE(r->min, r->max) << f.name;
                EXPECT_GE(r->min, f.Min()) << f.name;
                EXPECT_LE(r->max, f.Max()) << f.name;
            }
        };
        check(MachineParaFields());
        check(AdvParaFields());
    }
}

}  // namespace
}  // namespace pv
