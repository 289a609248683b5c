#include <gtest/gtest.h>

#include "view3d/frame_rate.h"

namespace tv {
namespace {

// Runs one second with `frames` frames (0 = no frame drawn) and one tick.
bool second(FrameCounters& c, int frames) {
    for (int i = 0; i < frames; ++i) {
        c.frame_count += 1;
        c.no_frame_since_tick = false;
    }
    return frameRateTick(c);
}

TEST(FrameRate, FirstSecondIsSkippedThenFirstCountThenSmoothing) {
    FrameCounters c;
    EXPECT_FALSE(second(c, 50));  // the start-up second is not counted
    EXPECT_EQ(c.fps_average, -1);
    EXPECT_TRUE(second(c, 60));
    EXPECT_EQ(c.fps_average, 60);
    EXPECT_TRUE(second(c, 100));
    EXPECT_EQ(c.fps_average, (3 * 60 + 100) / 4.0);
    EXPECT_TRUE(second(c, 1));
    EXPECT_EQ(c.fps_average, (3 * 70 + 1) / 4.0);
}

TEST(FrameRate, SecondsWithoutFramesFreezeTheValueAndSkipTheNextBusySecond) {
    FrameCounters c;
    second(c, 10);
    second(c, 40);
    ASSERT_EQ(c.fps_average, 40);
    EXPECT_FALSE(second(c, 0));  // a modal dialog: no frame
    EXPECT_FALSE(second(c, 0));
    EXPECT_EQ(c.fps_average, 40);
    EXPECT_FALSE(second(c, 200));  // first busy second after the pause
    EXPECT_EQ(c.fps_average, 40);
    EXPECT_EQ(c.frame_count, 0);
    EXPECT_TRUE(second(c, 200));
    EXPECT_EQ(c.fps_average, (3 * 40 + 200) / 4.0);
}

TEST(FrameRate, AverageSettlesOnTheTrueRate) {
    // Dropping the remainder of each quarter would leave a rising average up to three
    // frames short for good; the unrounded average comes as close as one likes.
    FrameCounters c;
    second(c, 7);
    second(c, 7);
    for (int i = 0; i < 60; ++i) {
        second(c, 60);
    }
    EXPECT_NEAR(c.fps_average, 60.0, 1e-3);
}

}  // namespace
}  // namespace tv
