// How many frames a session runs and what its clock reads are pinned by the reference pictures,
// which move with a frame more or less.
#include "stage/SceneSession.hpp"

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
} // namespace

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
