#include "main/Stage.hpp"

#include "gfx/RenderWindow.hpp"
#include "main/UsageError.hpp"

#include <gtest/gtest.h>
#include <string>

TEST(Stage, RegistersTheProgramsScenes)
{
    Stage stage;
    const std::vector<GameStateID> expected{"TestBoundedMovement", "main"};
    EXPECT_EQ(stage.GetApp().mGameStateManager->GetStateIDs(), expected);
    EXPECT_EQ(stage.GetApp().mRenderWindow, nullptr) << "no window before it is asked for";
}

TEST(Stage, AnUnknownSceneIsNamedWithTheKnownOnes)
{
    Stage stage;
    EXPECT_NO_THROW(stage.CheckScene("main"));
    EXPECT_NO_THROW(stage.CheckScene("TestBoundedMovement"));
    try
    {
        stage.CheckScene("Main");
        FAIL() << "\"Main\" is not a scene";
    }
    catch (const UsageError& error)
    {
        EXPECT_EQ(std::string(error.what()),
                  "unknown scene \"Main\"; the scenes are: TestBoundedMovement, main");
    }
}

TEST(Stage, StartMakesTheSceneActiveAndRunningInTheWindow)
{
    Stage stage;
    stage.OpenWindow(640, 480, "stage test", 0);
    GameState& scene = stage.Start("TestBoundedMovement");

    EXPECT_EQ(stage.GetApp().mRenderWindow, &stage.GetWindow());
    EXPECT_EQ(stage.GetWindow().GetWidth(), 640u);
    EXPECT_EQ(&scene, stage.GetApp().mGameStateManager->GetActiveState());
    EXPECT_EQ(scene.GetID(), "TestBoundedMovement");
    EXPECT_TRUE(scene.IsRunning());
    scene.Cleanup();
}
