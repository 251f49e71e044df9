#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "engine/ImageManager.hpp"
#include "gfx/Err.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/DataFolder.hpp"
#include "main/FrameLoop.hpp"
#include "main/ProgramCommandLine.hpp"
#include "main/ProgramWindow.hpp"
#include "main/RunAndReport.hpp"
#include "main/Scenes.hpp"

#include <iostream>

namespace
{
int RunProgram()
{
    // The start-up scene draws no pictures: without them the program runs all the same.
    const DataFolder& data = DataFolder::OfThisProgram();
    if (!data.IsFound())
    {
        gfx::Err() << data.GetProblem() << std::endl;
    }
    // Static, so that what the program never destroys stays reachable until it ends.
    static App app;
    app.mGameStateManager = new GameStateManager;
    app.mGameStateManager->SetApp(&app);
    app.mImageManager = new ImageManager(data.GetResources());
    app.mRenderWindow = ProgramWindow::Open(1024, 600, "SFML Window", 8).release();
    RegisterScenes(*app.mGameStateManager);
    app.mGameStateManager->SetActiveState("TestBoundedMovement");
    app.mGameStateManager->GetActiveState()->Initialize();
    return RunFrameLoop(app);
}
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunAndReport(
        "pulsestage", ProgramCommandLine::Usage(), std::cerr,
        [&] { return ProgramCommandLine::Answer(arguments, std::cout) ? 0 : RunProgram(); });
}
