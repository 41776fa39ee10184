// The link's encoders against request frames written out by hand: every
// byte the program puts on the wire for the golden cases, over a scripted
// USB device (the frames are the same on both transports).
#include <gtest/gtest.h>

#include <stop_token>
#include <utility>

#include "common/golden_frames.h"
#include "fake_channel.h"
#include "link/link_result.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

Bytes Status(std::uint8_t head, std::uint8_t code) { return {head, 5, code, 3, 0}; }

// A job whose cut segment 0 holds the golden knife records.
class GoldenJob : public ScriptedJob {
public:
    GoldenJob() : ScriptedJob(8, 8) {}
    std::span<const CutRecord> BuildCutSegment(int) override { return golden::kKnifeRecords; }
};

struct Wire {
    explicit Wire(Edition e) {
        settings.Edit([e](AppSettings& a) {
            a.edition = e;
            a.ConnectViaEth = 0;
        });
        params.Set(golden::RecordValues(e));
        auto fake = std::make_unique<FakeUsbLayer>();
        if (IsFourHead(e)) fake->paths = {"\\\\?\\usb#vid_a728&pid_5488#1"};
        layer = fake.get();
        link = std::make_unique<MachineLink>(settings, state, std::move(fake));
        protocol = std::make_unique<CommandProtocol>(link->commu(), settings, params, state, host);
        state.printThread = true;   // one open device for the whole case
    }
    // The frames written since the last call (bulk packets included).
    std::vector<Bytes> Take() { return std::exchange(layer->writes, {}); }

    SharedRecord<AppSettings> settings;
    SharedRecord<MachineParams> params;
    LinkState state;
    TestHost host;
    FakeUsbLayer* layer = nullptr;
    std::unique_ptr<MachineLink> link;
    std::unique_ptr<CommandProtocol> protocol;
    std::stop_source noPause;   // a stopped token skips the machine's pauses
};

TEST(GoldenFrames, CommandsReadsAndThePrintFramesAreTheWireDescriptionsBytes) {
    Wire w(Edition::TwoHead);
    w.noPause.request_stop();
    auto& commu = w.link->commu();
    w.layer->replies = {Status(0x50, 5), Status(0x50, 0x3A)};
    EXPECT_EQ(commu.SendCommand(5), kLinkOk);
    EXPECT_EQ(commu.SendCommand(0x3A), kLinkOk);
    EXPECT_EQ(w.Take(), (std::vector<Bytes>{golden::kFanOn, golden::kStatusPoll}));

    std::uint8_t buffer[64];
    w.layer->replies = {Bytes(4, 0), Bytes(48, 0)};
    EXPECT_EQ(w.protocol->ReadCarriagePosition(), kLinkOk);
    EXPECT_EQ(commu.ReadBlock(19, 48, buffer), kLinkOk);
    EXPECT_EQ(w.Take(), (std::vector<Bytes>{golden::kReadCarriage, golden::kReadMachineRecordTwoHead}));

    w.layer->replies = {Status(0x52, 0x20)};
    EXPECT_EQ(w.protocol->SendJobStart({golden::kJobPaperLength, golden::kJobColumns}), kLinkOk);
    EXPECT_EQ(w.Take(), std::vector<Bytes>{golden::kJobStart});

    GoldenJob job;
    w.layer->replies = {{3}, Status(0x52, 0x21)};
    EXPECT_EQ(w.protocol->SendBand(job, golden::kBandIndex), kLinkOk);
    auto band = w.Take();
    ASSERT_EQ(band.size(), 2u);
    EXPECT_EQ(band[1], golden::kBandHeader);

    w.layer->replies = {{3}, Status(0x52, 0x22)};
    EXPECT_EQ(w.protocol->SendCutSegment(job, 0), kLinkOk);
    auto cut = w.Take();
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(Bytes(cut[0].begin(), cut[0].begin() + 24), golden::kKnifeRecordBytes);
    EXPECT_EQ(cut[1], golden::kCutHeader);

    w.state.editMachineIP = golden::kAddress;
    w.layer->replies = {Status(0x52, 0x23)};
    EXPECT_EQ(w.protocol->WriteMachineIP(w.noPause.get_token()), kLinkOk);
    EXPECT_EQ(w.Take(), std::vector<Bytes>{golden::kWriteAddress});
}

TEST(GoldenFrames, BothParameterRecordsOfBothEditionsAreTheirByteTables) {
    const struct {
        Edition edition;
        const Bytes& adv;
        const Bytes& machine;
    } cases[] = {
        {Edition::TwoHead, golden::kWriteAdvTwoHead, golden::kWriteMachineTwoHead},
        {Edition::FourHead, golden::kWriteAdvFourHead, golden::kWriteMachineFourHead},
    };
    for (const auto& c : cases) {
        Wire w(c.edition);
        w.noPause.request_stop();
        w.layer->replies = {Status(0x52, 0x24), Status(0x52, 0x25)};
        EXPECT_EQ(w.protocol->WriteAdvParams(w.noPause.get_token()), kLinkOk);
        EXPECT_EQ(w.protocol->WriteMachineParams(w.noPause.get_token()), kLinkOk);
        EXPECT_EQ(w.Take(), (std::vector<Bytes>{c.adv, c.machine})) << IsFourHead(c.edition);
    }
}

}  // namespace
}  // namespace pv::test
