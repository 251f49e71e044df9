// pulsestage-scene as a user runs it; its wrong command lines are checked with the other programs'
// in ProgramTest.
#include "support/ChildProcess.hpp"
#include "support/DesktopWindow.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

TEST(SceneTool, TheProgramRunsTheNamedSceneInTheProgramsWindowUntilClosed)
{
    testing_support::ChildProcess scene(PULSESTAGE_SCENE_BINARY, {"main"});
    const auto window =
        testing_support::DesktopWindow::WaitFor("SFML Window", std::chrono::seconds(20));
    ASSERT_TRUE(window) << "no window titled \"SFML Window\" appeared";
    EXPECT_EQ(window->GetWidth(), 1024u);
    EXPECT_EQ(window->GetHeight(), 600u);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(scene.WaitForExit(std::chrono::seconds(0))) << "it ended by itself";
    window->RequestClose();
    EXPECT_EQ(scene.ExitCode(std::chrono::seconds(20)), 0) << scene.Errors();
}
