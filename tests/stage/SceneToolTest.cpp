#include "stage/SceneTool.hpp"

#include "support/ChildProcess.hpp"
#include "support/DesktopWindow.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

TEST(SceneTool, AWrongCommandLineIsExplainedWithExitCodeTwo)
{
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(SceneTool::Run({"hall"}, out, err), 2);
    EXPECT_EQ(err.str().rfind("pulsestage-scene: unknown scene \"hall\"; the scenes are: "
                              "TestBoundedMovement, main\nUsage: pulsestage-scene NAME",
                              0),
              0u)
        << err.str();
    EXPECT_TRUE(out.str().empty());
}

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
