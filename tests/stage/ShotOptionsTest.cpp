// pulsestage-shot's command line and script, read in-process as far as they go before a window
// opens: a wrong one ends the tool before it needs a display.
#include "stage/ShotOptions.hpp"

#include "main/CommandLine.hpp"
#include "stage/ShotTool.hpp"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

TEST(ShotOptions, ReadsEveryOptionSeparateOrJoinedWithEquals)
{
    CommandLine commandLine("pulsestage-shot", "", "");
    ShotOptions options;
    options.Declare(commandLine.GetOptions());
    std::ostringstream ignored;
    ASSERT_EQ(commandLine.Run({"--scene=TestBoundedMovement", "--out", "a/b.PNG", "--size",
                               "640x480", "--frames=30", "--dt", "1/30", "--seed", "4294967295",
                               "--script", "drag.txt", "--gif", "c/d.GIF", "--every=3"},
                              ignored, ignored, [] { return 0; }),
              0);
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
}

TEST(ShotOptions, AWrongCommandLineOrScriptEndsTheToolWithTwoAndALineThatNamesIt)
{
    const std::string folder = testing::TempDir();
    const std::string bad = folder + "pulsestage-bad.txt";
    const std::string resize = folder + "pulsestage-resize.txt";
    std::ofstream(bad) << "move 1 2\n\n# wheel\nwheel 1 2\n";
    std::ofstream(resize) << "frames 2\nresize 300 200\n";
    const auto Main = [](std::vector<std::string> more)
    {
        more.insert(more.begin(), {"--scene", "main", "--out", "x.png"});
        return more;
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--scene", "hall", "--out", "x.png"},
         "unknown scene \"hall\"; the scenes are: TestBoundedMovement, main"},
        {{"--out", "x.png"}, "--scene: required"},
        {{"--scene", "main"}, "--out: required: name the PNG file to write (or, with --gif"},
        {{"--scene", "main", "--out", "x.gif"}, "--out: the picture is written as PNG"},
        {Main({"--gif", "x.png"}), "--gif: the animation is written as GIF"},
        {Main({"--size", "1024x0"}), "--size: each side must be from 1 to 8192, not 0"},
        {Main({"--size", "1024"}), "--size: expected WIDTHxHEIGHT in pixels"},
        {Main({"--frames", "3.5"}), "--frames: must be a whole number, not \"3.5\""},
        {Main({"--dt", "1/0"}), "--dt: expected seconds"},
        {Main({"--dt", "1e38"}), "--dt: a frame may last from 0 to 3600 seconds"},
        {Main({"--seed", "4294967296"}), "--seed: must be from 0 to 4294967295"},
        // CLI11's own words.
        {Main({"--frames"}), "--frames"},
        {Main({"--frames", "2", "--frames", "3"}), "--frames"},
        {Main({"--every", "2"}), "--every"},
        {Main({"--fast", "1"}), "unknown option \"--fast\""},
        {Main({"stray"}), "unexpected argument \"stray\""},
        {Main({"--gif", "x.gif", "--every", "0"}), "--every: must be from 1 to 1000000"},
        {Main({"--gif", "x.gif", "--every", "10000", "--dt", "0.1"}),
         "--every: a GIF shows a frame for at most 655.34 s, not 10000 frames of 0.1 s"},
        {Main({"--gif", "x.gif", "--script", resize}),
         resize + " line 2: \"resize\" cannot be recorded: a GIF keeps one size (use --size)"},
        {Main({"--script", bad}), bad + " line 4: \"wheel\" takes 3 arguments"},
        {Main({"--script", folder + "missing.txt"}), "cannot read the script"},
    };
    for (const auto& [arguments, message] : cases)
    {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(ShotTool::Run(arguments, out, err), 2) << message;
        EXPECT_EQ(err.str().rfind("pulsestage-shot: " + message, 0), 0u) << err.str();
    }
    std::remove(bad.c_str());
    std::remove(resize.c_str());
}
