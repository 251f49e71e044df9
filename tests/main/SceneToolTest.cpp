#include "main/SceneTool.hpp"

#include "support/ChildProcess.hpp"
#include "support/DesktopWindow.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>

using testing_support::ChildProcess;
using testing_support::DesktopWindow;

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

    err.str("");
    EXPECT_EQ(SceneTool::Run({}, out, err), 2);
    EXPECT_EQ(err.str().rfind("pulsestage-scene: expected exactly one argument", 0), 0u);
    EXPECT_EQ(SceneTool::Run({"main", "TestBoundedMovement"}, out, err), 2);
    EXPECT_TRUE(out.str().empty());

    EXPECT_EQ(SceneTool::Run({"--help"}, out, err), 0);
    EXPECT_EQ(out.str().rfind("Usage: pulsestage-scene NAME", 0), 0u);
}

TEST(SceneTool, TheProgramRunsTheMainSceneInTheProgramsWindowUntilClosed)
{
    ChildProcess scene(PULSESTAGE_SCENE_BINARY, {"main"});
    const auto window = DesktopWindow::WaitFor("SFML Window", std::chrono::seconds(20));
    ASSERT_TRUE(window) << "no window titled \"SFML Window\" appeared";
    EXPECT_EQ(window->GetWidth(), 1024u);
    EXPECT_EQ(window->GetHeight(), 600u);

    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(scene.WaitForExit(std::chrono::seconds(0))) << "it ended by itself";
    window->RequestClose();
    EXPECT_EQ(scene.ExitCode(std::chrono::seconds(20)), 0) << scene.Errors();
}
