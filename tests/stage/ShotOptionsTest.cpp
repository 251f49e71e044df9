// Wrong command lines are checked where the user meets them, in ShotToolTest.
#include "stage/ShotOptions.hpp"

#include <gtest/gtest.h>

TEST(ShotOptions, ReadsEveryOptionSeparateOrJoinedWithEquals)
{
    const ShotOptions options =
        ShotOptions::Parse({"--scene=TestBoundedMovement", "--out", "a/b.PNG", "--size", "640x480",
                            "--frames=30", "--dt", "1/30", "--seed", "4294967295", "--script",
                            "drag.txt", "--gif", "c/d.GIF", "--every=3"});
    EXPECT_EQ(options.Scene, "TestBoundedMovement");
    EXPECT_EQ(options.Out, "a/b.PNG");
    EXPECT_EQ(options.Width, 640u);
    EXPECT_EQ(options.Height, 480u);
    EXPECT_EQ(options.Frames, 30);
    EXPECT_DOUBLE_EQ(options.FrameTime, 1.0 / 30.0);
    EXPECT_EQ(options.Seed, 4294967295u);
    EXPECT_EQ(options.Script, "drag.txt");
    EXPECT_EQ(options.Gif, "c/d.GIF");
    EXPECT_EQ(options.Every, 3);
    EXPECT_DOUBLE_EQ(
        ShotOptions::Parse({"--scene", "m", "--out", "m.png", "--dt", "0.25"}).FrameTime, 0.25);
}
