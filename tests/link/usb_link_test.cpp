// The USB transport and the facade's USB rules, against a scripted device.
#include <gtest/gtest.h>

#include "fake_channel.h"
#include "link/link_result.h"
#include "link/machine_link.h"
#include "link/my_usb.h"
#include "link/status_poller.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

Bytes Status(std::uint8_t code, std::uint8_t state = 1, std::uint8_t busy = 0) { return {0x50, 5, code, state, busy}; }

TEST(UsbLink, DevicePathMustNameVendorAndProductAfterItsStart) {
    struct Case {
        std::vector<std::string> paths;
        std::string found;   // empty: none
    } cases[] = {
        {{"\\\\?\\USB#VID_A728&PID_5388#5&2"}, "\\\\?\\usb#vid_a728&pid_5388#5&2"},
        {{"\\\\?\\usb#vid_a728&pid_5488#1"}, ""},
        {{"vid_a728&pid_5388#1"}, ""},
        {{"\\\\?\\usb#vid_1234&pid_5388#1", "x#vid_a728&pid_5388#2", "y#vid_a728&pid_5388#3"}, "x#vid_a728&pid_5388#2"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        FakeUsbLayer layer;
        layer.paths = c.paths;
        CMyUSB usb(layer, 0xA728, 0x5388);
        EXPECT_EQ(usb.FindDevice(), !c.found.empty());
        EXPECT_EQ(usb.devicePath(), c.found);
    }
    FakeUsbLayer layer;
    layer.paths = {"\\\\?\\usb#vid_a728&pid_5488#1"};
    CMyUSB fourHead(layer, 0xA728, 0x5488);
    EXPECT_TRUE(fourHead.FindDevice());
}

struct UsbStation {
    UsbStation() {
        settings.Edit([](AppSettings& a) { a.ConnectViaEth = 0; });
        auto fake = std::make_unique<FakeUsbLayer>();
        layer = fake.get();
        link = std::make_unique<MachineLink>(settings, state, std::move(fake));
        protocol = std::make_unique<CommandProtocol>(link->commu(), settings, params, state, host);
    }
    SharedRecord<AppSettings> settings;
    SharedRecord<MachineParams> params{MachineParams::Defaults(Edition::TwoHead)};
    LinkState state;
    TestHost host;
    FakeUsbLayer* layer;
    std::unique_ptr<MachineLink> link;
    std::unique_ptr<CommandProtocol> protocol;
};

TEST(UsbLink, BulkGoesInFullPacketsOf4096AndEachReplyIsOneReadOf64) {
    UsbStation s;
    s.state.printThread = true;
    s.layer->replies = {{3}, {3}};
    std::vector<std::uint8_t> data(4097, 5);
    EXPECT_EQ(s.link->commu().SendBulk(data.data(), data.size()), 4097);
    ASSERT_EQ(s.layer->writes.size(), 2u);
    EXPECT_EQ(s.layer->writes[0].size(), 4096u);
    EXPECT_EQ(s.layer->writes[1].size(), 4096u);
    EXPECT_EQ(s.layer->writes[1][0], 5);
    EXPECT_EQ(s.layer->writes[1][1], 0);
    for (auto cap : s.layer->readCapacities) EXPECT_EQ(cap, 64u);
    // The print holds the device open between exchanges.
    EXPECT_TRUE(s.link->usb().opened());
}

TEST(UsbLink, FailedExchangeForgetsTheDeviceAndTheNextOneSearchesAgain) {
    UsbStation s;
    s.state.printThread = true;   // even a print does not keep a failed device
    s.layer->replies = {Status(0x3A, 3)};
    EXPECT_EQ(s.link->commu().SendCommand(0x3A), kLinkOk);
    EXPECT_EQ(s.layer->searches, 1);
    EXPECT_TRUE(s.link->usb().opened());

    s.layer->present = false;   // unplugged
    EXPECT_NE(s.link->commu().SendCommand(0x3A), kLinkOk);
    EXPECT_FALSE(s.link->usb().deviceFound());
    EXPECT_FALSE(s.link->usb().opened());

    s.layer->present = true;    // plugged in again
    s.layer->replies = {Status(0x3A, 3)};
    EXPECT_EQ(s.link->commu().SendCommand(0x3A), kLinkOk);
    EXPECT_EQ(s.layer->searches, 2);
}

TEST(UsbLink, DeviceThatCannotBeOpenedFailsAtTheFirstWrite) {
    UsbStation s;
    s.layer->openWorks = false;
    EXPECT_EQ(s.link->commu().SendCommand(7), kLinkFailed);
    EXPECT_TRUE(s.layer->writes.empty());
}

TEST(UsbLink, FailedBulkTransferClosesTheDeviceItself) {
    UsbStation s;
    s.state.printThread = true;
    s.layer->replies = {{1}};
    std::vector<std::uint8_t> data(100, 5);
    EXPECT_EQ(s.link->commu().SendBulk(data.data(), data.size()), kLinkFailed);
    EXPECT_FALSE(s.link->usb().opened());
}

TEST(UsbLink, FirmwareDataIsNotSentOverUsb) {
    UsbStation s;
    std::vector<std::uint8_t> data(2048, 1);
    EXPECT_EQ(s.link->commu().SendFirmwareData(data.data(), data.size()), 0);
    EXPECT_EQ(s.layer->searches, 0);
    EXPECT_TRUE(s.layer->writes.empty());
}

TEST(UsbLink, ThreeMissedPollsStayOnlineTheFourthGoesOffline) {
    UsbStation s;
    StatusPoller poller(*s.protocol);
    s.state.status.online = true;
    s.state.status.StoreReply(1, 0);
    s.layer->present = false;
    for (int miss = 1; miss <= 3; ++miss) {
        EXPECT_NE(poller.PollStatus(), kLinkOk);
        EXPECT_TRUE(s.state.status.online.load()) << miss;
        EXPECT_EQ(s.state.status.state.load(), 1) << miss;
    }
    EXPECT_NE(poller.PollStatus(), kLinkOk);
    EXPECT_FALSE(s.state.status.online.load());
    EXPECT_EQ(s.state.status.state.load(), 0);

    // A good poll in between starts the count again.
    s.state.status.online = true;
    for (int miss = 0; miss < 3; ++miss) poller.PollStatus();
    s.layer->present = true;
    s.layer->replies = {Status(0x3A, 2)};
    EXPECT_EQ(poller.PollStatus(), kLinkOk);
    s.layer->present = false;
    for (int miss = 0; miss < 3; ++miss) poller.PollStatus();
    EXPECT_TRUE(s.state.status.online.load());
}

}  // namespace
}  // namespace pv::test
