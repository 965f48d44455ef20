#include "core/FrameClock.h"

#include <gtest/gtest.h>

namespace {

class FrameClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        TotalMilliseconds = 0;
        FrameMilliseconds = 0;
    }
};

TEST_F(FrameClockTest, WholeMillisecondsAreNeverLostToRounding) {
    // 10 ms in single precision is 0.00999999977..., which would truncate to 9.
    startFrameClock(0);
    for (uint32_t tick = 10; tick <= 10000; tick += 10)
        advanceFrameClock(tick);
    EXPECT_EQ(FrameMilliseconds, 10);
    EXPECT_EQ(TotalMilliseconds, 10000);
}

TEST_F(FrameClockTest, TickCounterWrapAroundGivesTheSmallElapsedTime) {
    startFrameClock(0xFFFFFFF0u);
    advanceFrameClock(0x00000010u);
    EXPECT_EQ(FrameMilliseconds, 32);
    EXPECT_FLOAT_EQ(DeltaSeconds, 0.032f);
    EXPECT_EQ(TotalMilliseconds, 32);
}

TEST_F(FrameClockTest, NeitherAStartNorAFrameUnderOneMillisecondMovesTheGameClock) {
    TotalMilliseconds = 1234;
    startFrameClock(500);
    EXPECT_EQ(TotalMilliseconds, 1234);
    EXPECT_EQ(DeltaSeconds, 0.0f);
    advanceFrameClock(500);
    EXPECT_EQ(FrameMilliseconds, 0);
    EXPECT_EQ(TotalMilliseconds, 1234);
    EXPECT_FLOAT_EQ(DeltaSeconds, 0.0f);
}

} // namespace
