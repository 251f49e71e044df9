#include "main/ShotOptions.hpp"

#include "main/UsageError.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using Arguments = std::vector<std::string>;

// The message of the usage error the arguments cause, or "" when they parse.
std::string ProblemWith(Arguments arguments)
{
    try
    {
        ShotOptions::Parse(arguments);
    }
    catch (const UsageError& error)
    {
        return error.what();
    }
    return "";
}

Arguments With(Arguments more)
{
    Arguments arguments{"--scene", "main", "--out", "main.png"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}
} // namespace

TEST(ShotOptions, DefaultsAreTheProgramsWindowOneFrameAtSixtyHertzAndAFixedSeed)
{
    const ShotOptions options = ShotOptions::Parse(With({}));
    EXPECT_EQ(options.Scene, "main");
    EXPECT_EQ(options.Out, "main.png");
    EXPECT_EQ(options.Width, 1024u);
    EXPECT_EQ(options.Height, 600u);
    EXPECT_EQ(options.Frames, 1);
    EXPECT_DOUBLE_EQ(options.FrameTime, 1.0 / 60.0);
    EXPECT_EQ(options.Seed, 1u);
    EXPECT_TRUE(options.Script.empty());
    EXPECT_FALSE(options.ShowHelp);
}

TEST(ShotOptions, ReadsEveryOptionSeparateOrJoinedWithEquals)
{
    const ShotOptions options = ShotOptions::Parse(
        {"--scene=TestBoundedMovement", "--out", "a/b.PNG", "--size", "640x480", "--frames=30",
         "--dt", "1/30", "--seed", "4294967295", "--script", "drag.txt"});
    EXPECT_EQ(options.Scene, "TestBoundedMovement");
    EXPECT_EQ(options.Out, "a/b.PNG");
    EXPECT_EQ(options.Width, 640u);
    EXPECT_EQ(options.Height, 480u);
    EXPECT_EQ(options.Frames, 30);
    EXPECT_DOUBLE_EQ(options.FrameTime, 1.0 / 30.0);
    EXPECT_EQ(options.Seed, 4294967295u);
    EXPECT_EQ(options.Script, "drag.txt");

    EXPECT_DOUBLE_EQ(ShotOptions::Parse(With({"--dt", "0.25"})).FrameTime, 0.25);
    EXPECT_DOUBLE_EQ(ShotOptions::Parse(With({"--dt", "0"})).FrameTime, 0.0)
        << "a frozen clock is a fair request";
}

TEST(ShotOptions, HelpNeedsNothingElseAndNamesEveryScriptStep)
{
    EXPECT_TRUE(ShotOptions::Parse({"--help"}).ShowHelp);
    EXPECT_TRUE(ShotOptions::Parse({"-h"}).ShowHelp);
    const std::string help = ShotOptions::Help();
    for (const char* word : {"--scene",
                             "--out",
                             "--size",
                             "--frames",
                             "--dt",
                             "--seed",
                             "--script",
                             "move X Y",
                             "press left|right|middle X Y",
                             "release left|right|middle X Y",
                             "wheel DELTA X Y",
                             "key NAME",
                             "keydown NAME",
                             "keyup NAME",
                             "resize W H",
                             "enter",
                             "leave",
                             "frames N",
                             "1024x600",
                             "1/60",
                             "#"})
    {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

TEST(ShotOptions, SceneAndOutAreRequired)
{
    EXPECT_NE(ProblemWith({"--out", "x.png"}).find("--scene: required"), std::string::npos);
    EXPECT_NE(ProblemWith({"--scene", "main"}).find("--out: required"), std::string::npos);
}

TEST(ShotOptions, MalformedOptionsAreNamedWithTheirProblem)
{
    const struct
    {
        Arguments arguments;
        const char* message;
    } cases[] = {
        {With({"--size", "0x600"}), "--size: a picture of 0x600 has no pixels"},
        {With({"--size", "1024x0"}), "--size: a picture of 1024x0 has no pixels"},
        {With({"--size", "1024*600"}), "--size: expected WIDTHxHEIGHT"},
        {With({"--size", "x600"}), "--size: expected WIDTHxHEIGHT"},
        {With({"--size", "-5x600"}), "--size: expected WIDTHxHEIGHT"},
        {With({"--size", "9000x600"}), "--size: both sides must be at most 8192"},
        {With({"--frames", "0"}), "--frames: must be from 1 to 1000000, not 0"},
        {With({"--frames", "ten"}), "--frames: expected a whole number, not \"ten\""},
        {With({"--frames", "3.5"}), "--frames: expected a whole number"},
        {With({"--dt", "-0.1"}), "--dt: expected seconds"},
        {With({"--dt", "1/0"}), "--dt: expected seconds"},
        {With({"--dt", "nan"}), "--dt: expected seconds"},
        {With({"--dt", "1e999"}), "--dt: expected seconds"},
        {With({"--seed", "4294967296"}), "--seed: must be from 0 to 4294967295"},
        {With({"--seed", "99999999999999999999999"}), "--seed: expected a whole number"},
        {With({"--frames"}), "--frames: a value must follow it"},
        {With({"--fast", "1"}), "--fast: unknown option"},
        {With({"--frames", "2", "--frames", "3"}), "--frames: given twice"},
        {With({"extra"}), "extra: unexpected argument"},
        {{"--scene", "main", "--out", "main.jpg"}, "--out: the picture is written as PNG"},
        {{"--scene", "main", "--out", "png"}, "--out: the picture is written as PNG"},
    };
    for (const auto& c : cases)
    {
        const std::string problem = ProblemWith(c.arguments);
        EXPECT_EQ(problem.rfind(c.message, 0), 0u)
            << "got \"" << problem << "\", expected it to start with \"" << c.message << "\"";
    }
}
