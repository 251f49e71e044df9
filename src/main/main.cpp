#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "engine/ImageManager.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/FrameLoop.hpp"
#include "main/Scenes.hpp"

int main(int, char**)
{
    // Static, so that what the program never destroys stays reachable until it ends.
    static App app;
    app.mGameStateManager = new GameStateManager;
    app.mGameStateManager->SetApp(&app);
    app.mImageManager = new ImageManager("resources/");
    app.mRenderWindow =
        new gfx::RenderWindow(gfx::VideoMode(1024, 600, 32), "SFML Window",
                              gfx::Style::Titlebar | gfx::Style::Resize | gfx::Style::Close,
                              gfx::WindowSettings(24, 8, 8));
    RegisterScenes(*app.mGameStateManager);
    app.mGameStateManager->SetActiveState("TestBoundedMovement");
    app.mGameStateManager->GetActiveState()->Initialize();
    return RunFrameLoop(app);
}
