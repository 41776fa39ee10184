#include "params/machine_params.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace pv {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Default records as the machine would see them, byte by byte.
const Bytes kTwoHeadMachineDefaults = {
    0x10, 0x27, 0x10, 0x27, 20, 0, 0xE8, 0x03, 50, 0, 50, 0,  // scale, offsets
    0,                                                        // headEnable
    0, 0, 0, 0,                                               // head positions
    2, 1, 70, 10, 30, 8, 50, 0, 0, 20, 20, 5, 0, 0, 20, 0, 0, 0, 0};
const Bytes kTwoHeadAdvDefaults = {
    0x40, 0x1F, 0x40, 0x1F, 0, 0, 0, 0, 0x3A, 0x08, 200, 0, 0x20, 0x03, 200, 0,
    0, 0, 0, 0, 0, 10, 50, 80, 50, 8, 11, 30, 23, 0, 50, 0};
const Bytes kFourHeadMachineDefaults = {
    0x10, 0x27, 0x10, 0x27, 20, 0, 0xE8, 0x03, 50, 0, 50, 0,
    5, 0, 220, 0, 0xB3, 0x01, 0x8A, 0x02,   // positions leftwards
    5, 0, 220, 0, 0xB3, 0x01, 0x8A, 0x02,   // positions rightwards
    0, 2, 0, 0, 1, 70, 10, 30, 8, 50, 0, 0, 20, 20, 5, 0, 0, 20, 0, 0, 0, 0, 0, 0};
const Bytes kFourHeadAdvDefaults = {
    0x40, 0x1F, 0x40, 0x1F, 0x3A, 0x08, 200, 0, 0x20, 0x03, 200, 0, 0, 0, 0, 0,
    0, 10, 50, 80, 50, 8, 11, 30, 23, 0, 0, 0};

TEST(MachineParams, DefaultsEncodeByteExactInBothEditions) {
    const MachineParams two = MachineParams::Defaults(Edition::TwoHead);
    EXPECT_EQ(EncodeMachineParaBlock(two.machine, Edition::TwoHead), kTwoHeadMachineDefaults);
    EXPECT_EQ(EncodeAdvParaBlock(two.adv, Edition::TwoHead), kTwoHeadAdvDefaults);
    const MachineParams four = MachineParams::Defaults(Edition::FourHead);
    EXPECT_EQ(EncodeMachineParaBlock(four.machine, Edition::FourHead), kFourHeadMachineDefaults);
    EXPECT_EQ(EncodeAdvParaBlock(four.adv, Edition::FourHead), kFourHeadAdvDefaults);
}

TEST(MachineParams, SignedFieldsTravelAsTwosComplement) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        MachineParaBlock b;
        b.plotCutOffsetX = -1;
        b.plotCutOffsetY = -2000;
        b.edgeLeftPx = -5;
        b.edgeRightPx = 5;
        const Bytes bytes = EncodeMachineParaBlock(b, e);
        const std::size_t edge = IsFourHead(e) ? 48 : 34;
        EXPECT_EQ(bytes[8], 0xFF);
        EXPECT_EQ(bytes[9], 0xFF);
        EXPECT_EQ(bytes[10], 0x30);  // -2000 = 0xF830
        EXPECT_EQ(bytes[11], 0xF8);
        EXPECT_EQ(bytes[edge], 0xFB);
        EXPECT_EQ(bytes[edge + 1], 5);
        MachineParaBlock back;
        ASSERT_EQ(DecodeMachineParaBlock(bytes, e, back), kParamsOk);
        EXPECT_EQ(back.plotCutOffsetX, -1);
        EXPECT_EQ(back.plotCutOffsetY, -2000);
        EXPECT_EQ(back.edgeLeftPx, -5);
    }
}

// Every byte the machine sends comes back unchanged on the next write,
// whatever it means (reserved bytes, the firmware flag, odd values).
TEST(MachineParams, EveryRecordByteSurvivesDecodeThenEncode) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        for (int seed = 0; seed < 4; ++seed) {
            Bytes machine(MachineParaBlockSize(e)), adv(AdvParaBlockSize(e));
            for (std::size_t i = 0; i < machine.size(); ++i)
                machine[i] = static_cast<std::uint8_t>(i * 37 + seed * 101 + 0x80);
            for (std::size_t i = 0; i < adv.size(); ++i)
                adv[i] = static_cast<std::uint8_t>(i * 53 + seed * 29 + 0x7F);
            MachineParams p = MachineParams::Defaults(e);
            ASSERT_EQ(DecodeMachineParaBlock(machine, e, p.machine), kParamsOk);
            ASSERT_EQ(DecodeAdvParaBlock(adv, e, p.adv), kParamsOk);
            EXPECT_EQ(EncodeMachineParaBlock(p.machine, e), machine);
            EXPECT_EQ(EncodeAdvParaBlock(p.adv, e), adv);
        }
    }
}

TEST(MachineParams, FirmwareFlagIsWrittenBackAsReadAfterAnEdit) {
    struct Case { Edition e; std::size_t at; std::uint8_t flag; bool updatable; };
    const Case cases[] = {{Edition::TwoHead, 31, 'N', false}, {Edition::TwoHead, 31, 0, false},
                          {Edition::TwoHead, 31, 0x01, true}, {Edition::FourHead, 26, 'Y', true},
                          {Edition::FourHead, 26, 'N', false}, {Edition::FourHead, 26, 0x01, false}};
    for (const Case& c : cases) {
        Bytes adv = EncodeAdvParaBlock(AdvParaBlock{}, c.e);
        adv[c.at] = c.flag;
        MachineParams p = MachineParams::Defaults(c.e);
        ASSERT_EQ(DecodeAdvParaBlock(adv, c.e, p.adv), kParamsOk);
        EXPECT_EQ(p.adv.firmwareFlag, c.flag);
        EXPECT_EQ(p.FirmwareUpdatable(c.e), c.updatable) << int(c.flag);
        p.adv.fireIntervalPulses = 12;  // an edit on the advanced page
        const Bytes out = EncodeAdvParaBlock(p.adv, c.e);
        EXPECT_EQ(out[c.at], c.flag);
    }
}

TEST(MachineParams, TwoHeadReadIgnoresTrailingBytesAndWriteEndsWithTwelveZeros) {
    MachineParaBlock b;
    b.marginRightMm = 7;
    Bytes reply = EncodeMachineParaBlock(b, Edition::TwoHead);
    reply.resize(48, 0xAA);  // whatever the machine puts there
    MachineParaBlock read;
    ASSERT_EQ(DecodeMachineParaBlock(reply, Edition::TwoHead, read), kParamsOk);
    EXPECT_EQ(read.marginRightMm, 7);
    const Bytes write = EncodeMachineParaTransfer(read, Edition::TwoHead);
    ASSERT_EQ(write.size(), 48u);
    for (std::size_t i = 36; i < 48; ++i) EXPECT_EQ(write[i], 0) << i;
    EXPECT_EQ(EncodeMachineParaTransfer(read, Edition::FourHead).size(), 52u);
}

TEST(MachineParams, ShortRecordIsRefusedAndLeavesTheCopyAlone) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        MachineParams p = MachineParams::Defaults(e);
        const MachineParams before = p;
        const Bytes shortMachine(MachineParaBlockSize(e) - 1, 0xFF);
        const Bytes shortAdv(AdvParaBlockSize(e) - 1, 0xFF);
        EXPECT_EQ(DecodeMachineParaBlock(shortMachine, e, p.machine), kParamsTooShort);
        EXPECT_EQ(DecodeAdvParaBlock(shortAdv, e, p.adv), kParamsTooShort);
        EXPECT_EQ(DecodeAdvParaBlock({}, e, p.adv), kParamsTooShort);
        EXPECT_EQ(p, before);
    }
}

TEST(MachineParams, EditedValuesTruncateTowardZero) {
    struct Case { double value; int scale; std::int32_t stored; };
    const Case cases[] = {
        {0.29, 100, 28},   // 0.29 × 100 is just below 29 in double precision
        {-0.15, 10, -1},   // toward zero, not down
        {2.5, 10, 25},
        {1000.0, 10, 10000},
        {-200.0, 10, -2000},
        {std::numeric_limits<double>::quiet_NaN(), 10, 0},
        {1e300, 10, std::numeric_limits<std::int32_t>::max()},
        {-1e300, 10, std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) EXPECT_EQ(StoredFromEdited(c.value, c.scale), c.stored) << c.value;
    EXPECT_DOUBLE_EQ(EditedFromStored(28, 100), 0.28);
    EXPECT_DOUBLE_EQ(EditedFromStored(-1, 10), -0.1);
}

TEST(MachineParams, HeadCombinationTexts) {
    EXPECT_STREQ(HeadCombinationText(0), "0-HP45(1#+2#)");
    EXPECT_STREQ(HeadCombinationText(5), "5-HP45(2#+3#+4#)");
    EXPECT_STREQ(HeadCombinationText(6), "");
    EXPECT_STREQ(HeadCombinationText(-1), "");
}

}  // namespace
}  // namespace pv
