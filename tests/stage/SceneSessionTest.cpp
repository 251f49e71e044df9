#include "stage/SceneSession.hpp"

#include "gfx/Clock.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/ProgramWindow.hpp"
#include "stage/InputScript.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace
{
InputScript Script(const std::string& text)
{
    std::istringstream stream(text);
    return InputScript::Parse(stream);
}

int FramesRun(const std::string& script, int leastFrames)
{
    SceneSession session("TestBoundedMovement", 320, 200, 1.0 / 60.0, 1);
    session.Play(Script(script), leastFrames);
    return session.GetFramesRun();
}
} // namespace

TEST(SceneSession, TheClockAdvancesExactlyTheFrameTimePerFrame)
{
    SceneSession session("TestBoundedMovement", 320, 200, 0.125, 1);
    const gfx::Clock clock;
    session.RunFrames(3);
    EXPECT_EQ(clock.GetElapsedTime(), 0.375f);
    session.Play(Script("frames 2\nmove 1 1"), 1);
    EXPECT_EQ(clock.GetElapsedTime(), 0.75f) << "five frames and one for the move";
}

TEST(SceneSession, RunsAtLeastTheFramesAskedAndOneMoreForLeftoverInput)
{
    EXPECT_EQ(FramesRun("", 7), 7);
    EXPECT_EQ(FramesRun("frames 3", 2), 3) << "the script may need more frames";
    EXPECT_EQ(FramesRun("frames 3\nmove 1 1", 2), 4) << "the move needs a frame of its own";
    EXPECT_EQ(FramesRun("frames 3\nmove 1 1", 10), 10);
}

TEST(SceneSession, ASceneThatStopsItselfEndsTheRunAndAResizeStepResizesThePicture)
{
    SceneSession main("main", 320, 200, 1.0 / 60.0, 1);
    main.Play(Script("frames 2\nkey Escape\nframes 5\nmove 3 3"), 20);
    EXPECT_FALSE(main.IsRunning());
    EXPECT_EQ(main.GetFramesRun(), 3);

    SceneSession resized("TestBoundedMovement", 320, 200, 1.0 / 60.0, 1);
    resized.Play(Script("resize 400 300\nframes 1\nresize 400 300"), 1);
    const gfx::Image picture = resized.Snapshot();
    EXPECT_EQ(picture.GetWidth(), 400u);
    EXPECT_EQ(picture.GetHeight(), 300u);
}

TEST(SceneSession, TheSceneHearsNothingOfTheDesktop)
{
    SceneSession session("main", 320, 200, 1.0 / 60.0, 1);
    session.Play(Script("keydown Right\nframes 1"), 1);
    // A window that opens takes the keyboard focus, and a window that loses it forgets the keys
    // held: the scene would see Right come up.
    const auto other = ProgramWindow::Open(200, 100, "another window", 0);
    session.RunFrames(1);
    EXPECT_TRUE(session.GetApplication().GetWindow().GetInput().IsKeyDown(gfx::Keyboard::Right));
}
