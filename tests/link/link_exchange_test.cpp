// Framing of the exchanges, checked on a scripted channel.
#include <gtest/gtest.h>

#include <numeric>

#include "fake_channel.h"
#include "link/link_exchange.h"
#include "link/link_result.h"

namespace pv::test {
namespace {

TEST(LinkExchange, BulkSendsWholePacketsAndNeverReadsPastTheData) {
    struct Case {
        std::size_t count;
        std::size_t packets;
    } cases[] = {{0, 0}, {1, 1}, {1400, 1}, {1401, 2}, {2800, 2}, {2801, 3}};
    for (const auto& c : cases) {
        FakeChannel ch;
        for (std::size_t i = 0; i < c.packets; ++i) ch.replies.push_back({3});
        // Exactly `count` bytes: a read past them is caught by the sanitizer.
        std::vector<std::uint8_t> data(c.count);
        std::iota(data.begin(), data.end(), 1);
        MachineStatus status;
        EXPECT_EQ(LinkExchange::SendBulk(ch, data.data(), data.size(), status), static_cast<long>(c.count));
        ASSERT_EQ(ch.writes.size(), c.packets) << c.count;
        for (std::size_t p = 0; p < c.packets; ++p) {
            ASSERT_EQ(ch.writes[p].size(), 1400u);
            for (std::size_t k = 0; k < 1400; ++k) {
                const std::size_t at = p * 1400 + k;
                EXPECT_EQ(ch.writes[p][k], at < c.count ? data[at] : 0) << c.count << " at " << at;
            }
        }
        if (c.packets > 0) {
            EXPECT_EQ(status.state.load(), 3);
        }
    }
}

TEST(LinkExchange, RefusedPacketStopsTheTransfer) {
    FakeChannel ch;
    ch.replies = {{0}, {1}, {0}};
    std::vector<std::uint8_t> data(3 * 1400, 7);
    MachineStatus status;
    EXPECT_EQ(LinkExchange::SendBulk(ch, data.data(), data.size(), status), kLinkFailed);
    EXPECT_EQ(ch.writes.size(), 2u);
    EXPECT_EQ(status.state.load(), 1);
    EXPECT_EQ(ch.bulkFailures, 1);
}

TEST(LinkExchange, AcknowledgmentOfWrongLengthFailsTheTransfer) {
    FakeChannel ch;
    ch.replies = {{0, 0}};
    std::vector<std::uint8_t> data(100, 7);
    MachineStatus status;
    EXPECT_EQ(LinkExchange::SendBulk(ch, data.data(), data.size(), status), kLinkFailed);
    EXPECT_EQ(ch.bulkFailures, 1);
}

TEST(LinkExchange, StatusReplyIsCheckedInOrderAndOnlyAGoodOneIsStored) {
    struct Case {
        Bytes reply;
        int result;
    } cases[] = {
        {{0x50, 5, 0x3A, 3, 1}, kLinkOk},
        {{0x50, 5, 0x3A, 3}, kLinkBadLength},
        {{0x50, 5, 0x3A, 3, 1, 0}, kLinkBadLength},
        {{}, kLinkBadLength},
        {{0x52, 5, 0x3A, 3, 1}, kLinkBadFirstByte},
        {{0x52, 4, 0x00, 3, 1}, kLinkBadFirstByte},
        {{0x50, 4, 0x3A, 3, 1}, kLinkBadSecondByte},
        {{0x50, 5, 0x3B, 3, 1}, kLinkBadCode},
    };
    for (const auto& c : cases) {
        FakeChannel ch;
        if (!c.reply.empty()) ch.replies.push_back(c.reply);
        MachineStatus status;
        status.StoreReply(9, 9);
        EXPECT_EQ(LinkExchange::SendCommand(ch, 0x3A, status), c.result);
        ASSERT_EQ(ch.writes.size(), 1u);
        EXPECT_EQ(ch.writes[0], (Bytes{0x50, 3, 0x3A}));
        EXPECT_EQ(ch.readCapacities.at(0), 64u);
        EXPECT_EQ(status.state.load(), c.result == kLinkOk ? 3 : 9);
        EXPECT_EQ(status.busy.load(), c.result == kLinkOk ? 1 : 9);
    }
}

TEST(LinkExchange, WriteFrameCarriesItsOwnLengthAndAZeroByte) {
    FakeChannel ch;
    ch.replies.push_back({0x52, 5, 0x22, 3, 0});
    const std::uint8_t block[4] = {1, 2, 3, 4};
    MachineStatus status;
    EXPECT_EQ(LinkExchange::WriteBlock(ch, 0x22, block, 4, status), kLinkOk);
    EXPECT_EQ(ch.writes.at(0), (Bytes{0x52, 8, 0x22, 0, 1, 2, 3, 4}));
    // A write reply must start with the write head, not the command head.
    ch.replies.push_back({0x50, 5, 0x22, 3, 0});
    EXPECT_EQ(LinkExchange::WriteBlock(ch, 0x22, block, 4, status), kLinkBadFirstByte);
}

TEST(LinkExchange, ReadNeedsExactlyTheRequestedLength) {
    FakeChannel ch;
    ch.replies = {{1, 2, 3, 4}, {1, 2, 3}, {1, 2, 3, 4, 5}};
    std::uint8_t buf[64] = {};
    EXPECT_EQ(LinkExchange::ReadBlock(ch, 17, 4, buf), kLinkOk);
    EXPECT_EQ(ch.writes.at(0), (Bytes{0x51, 4, 17, 4}));
    EXPECT_EQ(buf[3], 4);
    EXPECT_EQ(LinkExchange::ReadBlock(ch, 17, 4, buf), kLinkFailed);
    EXPECT_EQ(LinkExchange::ReadBlock(ch, 17, 4, buf), kLinkFailed);
    EXPECT_EQ(LinkExchange::ReadBlock(ch, 17, 65, buf), kLinkFailed);   // more than a reply can hold
}

TEST(LinkExchange, NothingIsSentWhenTheChannelCannotOpen) {
    FakeChannel ch;
    ch.openFails = true;
    MachineStatus status;
    std::uint8_t buf[64];
    EXPECT_EQ(LinkExchange::SendCommand(ch, 1, status), kLinkFailed);
    EXPECT_EQ(LinkExchange::ReadBlock(ch, 16, 4, buf), kLinkFailed);
    EXPECT_EQ(LinkExchange::SendBulk(ch, buf, 10, status), kLinkFailed);
    EXPECT_TRUE(ch.writes.empty());
}

}  // namespace
}  // namespace pv::test
