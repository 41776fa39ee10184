// The virtual plotter reading request frames written out by hand: the
// values the wire description puts in them come back out of the machine.
#include <gtest/gtest.h>

#include "common/golden_frames.h"
#include "emulator/plotter_machine.h"

namespace pv {
namespace {

using golden::Bytes;

constexpr std::uint32_t kLocal = 0x0100007F;

Bytes Send(PlotterMachine& m, const Bytes& frame) { return m.HandleFrame(frame.data(), frame.size(), kLocal).bytes; }
Bytes Body(const Bytes& writeFrame) { return Bytes(writeFrame.begin() + 4, writeFrame.end()); }

TEST(GoldenFrames, TheMachineTakesCommandsAJobABandAndACutSegment) {
    PlotterMachine m(Edition::TwoHead, 0, {}, false);
    EXPECT_EQ(Send(m, golden::kFanOn), (Bytes{0x50, 5, 5, 1, 0}));
    EXPECT_EQ(Send(m, golden::kStatusPoll), (Bytes{0x50, 5, 0x3A, 1, 0}));
    EXPECT_EQ(m.IdleCommands(), Bytes{5});   // polls are not commands
    EXPECT_EQ(Send(m, golden::kReadCarriage).size(), 4u);
    EXPECT_EQ(Send(m, golden::kWriteAddress), (Bytes{0x52, 5, 0x23, 1, 0}));
    EXPECT_EQ(m.WrittenIp(), golden::kAddress);

    EXPECT_EQ(Send(m, golden::kJobStart), (Bytes{0x52, 5, 0x20, 3, 0}));
    Bytes packet(1400, 0);
    EXPECT_EQ(m.HandleBulkPacket(packet.data(), packet.size()).bytes, Bytes{3});
    Send(m, golden::kBandHeader);
    std::copy(golden::kKnifeRecordBytes.begin(), golden::kKnifeRecordBytes.end(), packet.begin());
    m.HandleBulkPacket(packet.data(), packet.size());
    Send(m, golden::kCutHeader);
    Send(m, {0x50, 3, 14});   // job complete

    const auto jobs = m.FinishedJobs();
    ASSERT_EQ(jobs.size(), 1u);
    const PlotterJob& job = *jobs[0];
    EXPECT_EQ(job.ending, "complete");
    EXPECT_EQ(job.paperLength, golden::kJobPaperLength);
    EXPECT_EQ(job.columnCount, golden::kJobColumns);
    ASSERT_EQ(job.bands.size(), 1u);
    EXPECT_EQ(job.bands[0].index, golden::kBandIndex);
    EXPECT_TRUE(job.bands[0].reverse);
    EXPECT_EQ(job.bands[0].constant, 1);
    ASSERT_EQ(job.cutSegments.size(), 1u);
    EXPECT_EQ(job.cutSegments[0].recordCount, 2);
    EXPECT_TRUE(job.cutSegments[0].complete);
    EXPECT_EQ(job.cutSegments[0].records, golden::kKnifeRecords);
}

TEST(GoldenFrames, TheMachineTakesBothRecordsOfItsEditionAndAnswersWithTheSameBytes) {
    const struct {
        Edition edition;
        const Bytes& adv;
        const Bytes& machine;
    } cases[] = {
        {Edition::TwoHead, golden::kWriteAdvTwoHead, golden::kWriteMachineTwoHead},
        {Edition::FourHead, golden::kWriteAdvFourHead, golden::kWriteMachineFourHead},
    };
    for (const auto& c : cases) {
        PlotterMachine m(c.edition, 0, {}, false);
        EXPECT_EQ(Send(m, c.adv), (Bytes{0x52, 5, 0x24, 1, 0}));
        EXPECT_EQ(Send(m, c.machine), (Bytes{0x52, 5, 0x25, 1, 0}));
        EXPECT_EQ(m.Params(), golden::RecordValues(c.edition)) << IsFourHead(c.edition);
        const auto adv = static_cast<std::uint8_t>(c.adv.size() - 4);
        const auto machine = static_cast<std::uint8_t>(c.machine.size() - 4);
        EXPECT_EQ(Send(m, {0x51, 4, 18, adv}), Body(c.adv));
        EXPECT_EQ(Send(m, {0x51, 4, 19, machine}), Body(c.machine));
    }
    // A record of the other edition's length is not taken.
    PlotterMachine m(Edition::TwoHead, 0, {}, false);
    const AdvParaBlock before = m.Params().adv;
    Send(m, golden::kWriteAdvFourHead);
    EXPECT_EQ(m.Params().adv, before);
}

}  // namespace
}  // namespace pv
