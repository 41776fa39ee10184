// Firmware pages to the virtual plotter, and the progress ring.
#include <gtest/gtest.h>

#include <fstream>

#include "common/scratch_dir.h"
#include "fake_channel.h"
#include "link/firmware_log.h"
#include "link/firmware_menu.h"
#include "link/firmware_update.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

// An image of `bytes` bytes in the test's scratch folder.
std::string WriteImage(const ScratchDir& scratch, std::size_t bytes) {
    const std::string path = scratch.File("image-" + std::to_string(bytes) + ".kxfw");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::size_t i = 0; i < bytes; ++i) out.put(static_cast<char>(i % 251));
    return path;
}

std::vector<std::string> Lines(FirmwareLog& log) {
    std::vector<std::string> lines;
    while (auto e = log.Take()) {
        EXPECT_EQ(e->code, 0);
        // "Y-M-D h:m:s " before the message.
        const auto blank = e->text.find(' ', e->text.find(' ') + 1);
        lines.push_back(e->text.substr(blank + 1));
    }
    return lines;
}

TEST(FirmwareUpdate, SizesOutsideTheRangeAreRefusedBeforeAnythingIsSent) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    const ScratchDir scratch("firmware");
    for (std::size_t bytes : {40959u, 131073u}) {
        FirmwareLog log;
        const std::string path = WriteImage(scratch, bytes);
        EXPECT_EQ(FirmwareUpdate(s.link->commu(), log, 1).UpdateFirmware(path), FirmwareUpdate::kInvalidFile);
        EXPECT_EQ(Lines(log), (std::vector<std::string>{"File open ok,Sending data!", "Invalid firmware file!"}));
    }
    FirmwareLog log;
    EXPECT_EQ(FirmwareUpdate(s.link->commu(), log, 1).UpdateFirmware("/nonexistent/x.kxfw"),
              FirmwareUpdate::kCannotOpen);
    EXPECT_EQ(Lines(log), std::vector<std::string>{"Failed to open firmware file!"});
    EXPECT_EQ(plotter->machine().Firmware().pagesAnnounced, 0);
}

TEST(FirmwareUpdate, PagesArriveWholeWithTheLastOneFilledAndProgressEveryFourPages) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    const ScratchDir scratch("firmware");
    const std::string path = WriteImage(scratch, 40961);
    FirmwareLog log;
    EXPECT_EQ(FirmwareUpdate(s.link->commu(), log, 1).UpdateFirmware(path), FirmwareUpdate::kUpdated);
    const PlotterFirmware fw = plotter->machine().Firmware();
    EXPECT_EQ(fw.pagesAnnounced, 21);
    EXPECT_TRUE(fw.ended);
    ASSERT_EQ(fw.data.size(), 21u * 2048);
    EXPECT_EQ(fw.data[40960], 40960 % 251);
    EXPECT_TRUE(std::all_of(fw.data.begin() + 40961, fw.data.end(), [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(Lines(log), (std::vector<std::string>{"File open ok,Sending data!", "Updating,9.5%...",
                                                    "Updating,28.6%...", "Updating,47.6%...", "Updating,66.7%...",
                                                    "Updating,85.7%...", "Updating, 100%..."}));
}

TEST(FirmwareUpdate, OverUsbTheFirstPageFails) {
    AppSettings usb;
    usb.ConnectViaEth = 0;
    SharedRecord<AppSettings> settings(usb);
    LinkState state;
    auto fake = std::make_unique<FakeUsbLayer>();
    FakeUsbLayer* layer = fake.get();
    MachineLink link(settings, state, std::move(fake));
    layer->replies = {{0x52, 5, 0x28, 1, 0}};   // the page count is taken
    const ScratchDir scratch("firmware");
    const std::string path = WriteImage(scratch, 40960);
    FirmwareLog log;
    EXPECT_EQ(FirmwareUpdate(link.commu(), log, 1).UpdateFirmware(path), FirmwareUpdate::kSendFailed);
    EXPECT_EQ(Lines(log), (std::vector<std::string>{"File open ok,Sending data!", "Send Command error! Please retry"}));
    ASSERT_EQ(layer->writes.size(), 1u);   // the page count, and no page
    EXPECT_EQ(layer->writes[0], (Bytes{0x52, 8, 0x28, 0, 20, 0, 0, 0}));
}

TEST(FirmwareLog, HoldsFortyLinesInOrder) {
    FirmwareLog log;
    for (int i = 0; i < 40; ++i) log.Log("line " + std::to_string(i));
    EXPECT_EQ(log.Count(), 40);
    auto first = log.Take();
    ASSERT_TRUE(first);
    EXPECT_NE(first->text.find("line 0"), std::string::npos);
    log.Log("line 40");   // room again: no wait
    std::vector<std::string> rest = Lines(log);
    ASSERT_EQ(rest.size(), 40u);
    EXPECT_EQ(rest.front(), "line 1");
    EXPECT_EQ(rest.back(), "line 40");
}

}  // namespace
}  // namespace pv::test

namespace pv::test {
namespace {

TEST(FirmwareMenu, AnswersByEditionStateAndLink) {
    struct Case {
        Edition edition;
        bool online;
        std::uint8_t flag;
        bool viaEth;
        const char* message;
        bool dialog;
    } cases[] = {
        {Edition::TwoHead, false, 'Y', true, "Offline", false},
        {Edition::TwoHead, true, 0, true, "Not supported.", false},
        {Edition::TwoHead, true, 'N', true, "Not supported.", false},
        {Edition::TwoHead, true, 'A', true, "", true},
        {Edition::TwoHead, true, 'A', false, "This function enable while connect via eth only", true},
        {Edition::FourHead, false, 'Y', true, "Offline", false},
        {Edition::FourHead, true, 'A', true, "Not supported.", false},
        {Edition::FourHead, true, 'Y', false, "This function enable while connect via eth only", false},
        {Edition::FourHead, true, 'Y', true, "", false},
    };
    for (const auto& c : cases) {
        MachineParams params = MachineParams::Defaults(c.edition);
        params.adv.firmwareFlag = c.flag;
        const auto a = AnswerFirmwareMenu(c.edition, c.online, params, c.viaEth, 1);
        EXPECT_EQ(a.message, c.message);
        EXPECT_EQ(a.openDialog, c.dialog);
    }
    MachineParams params = MachineParams::Defaults(Edition::TwoHead);
    EXPECT_EQ(AnswerFirmwareMenu(Edition::TwoHead, false, params, true, 0).message, "未联机");
}

}  // namespace
}  // namespace pv::test
