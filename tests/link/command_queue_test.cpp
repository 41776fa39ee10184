// The five-slot command queue.
#include <gtest/gtest.h>

#include <thread>

#include "link/command_queue.h"

namespace pv {
namespace {

TEST(CommandQueue, HoldsFiveCodesInOrderAcrossTheWrap) {
    CommandQueue q;
    for (int round = 0; round < 3; ++round) {
        for (std::uint8_t c = 0; c < 5; ++c) EXPECT_EQ(q.Push(static_cast<std::uint8_t>(c + round)), 0);
        EXPECT_EQ(q.Push(0x25), -1);   // the sixth is dropped
        for (std::uint8_t c = 0; c < 5; ++c) EXPECT_EQ(q.Pop(), static_cast<std::uint8_t>(c + round));
        EXPECT_FALSE(q.Pop().has_value());
    }
    q.Push(1);
    q.Push(2);
    q.Clear();
    EXPECT_EQ(q.Count(), 0);
    EXPECT_FALSE(q.Pop().has_value());
}

TEST(CommandQueue, ConcurrentPushAndPopLoseNoCode) {
    CommandQueue q;
    constexpr int kCodes = 500;
    std::atomic<int> popped{0};
    std::atomic<long> sum{0};
    std::thread consumer([&] {
        while (popped.load() < kCodes) {
            if (auto c = q.Pop()) {
                sum += *c;
                ++popped;
            } else {
                std::this_thread::yield();
            }
        }
    });
    long pushedSum = 0;
    for (int i = 0; i < kCodes; ++i) {
        const auto code = static_cast<std::uint8_t>(i % 16);
        while (q.Push(code) != 0) std::this_thread::yield();
        pushedSum += code;
    }
    consumer.join();
    EXPECT_EQ(sum.load(), pushedSum);
}

}  // namespace
}  // namespace pv
