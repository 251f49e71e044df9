#include "stage/Stage.hpp"

#include "gfx/RenderWindow.hpp"
#include "main/ProgramWindow.hpp"
#include "main/UsageError.hpp"
#include "stage/WindowSettling.hpp"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

Stage::Stage() : myImages("resources/"), myApp{nullptr, &myManager, &myImages}
{
    myManager.SetApp(&myApp);
    myScenes.RegisterWith(myManager);
}

Stage::~Stage() = default;

void Stage::CheckScene(const GameStateID& id) const
{
    const std::vector<GameStateID> known = myManager.GetStateIDs();
    if (std::find(known.begin(), known.end(), id) != known.end())
    {
        return;
    }
    std::string list;
    for (const GameStateID& name : known)
    {
        list += (list.empty() ? "" : ", ") + name;
    }
    throw UsageError("unknown scene \"" + id + "\"; the scenes are: " + list);
}

void Stage::OpenWindow(unsigned int width, unsigned int height, const std::string& title,
                       unsigned int antialiasing)
{
    // SFML aborts the process when it cannot reach a display; an unset DISPLAY at least gets a
    // message that says so.
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
    {
        throw std::runtime_error("no display: DISPLAY is not set (without a desktop, run it "
                                 "under xvfb-run)");
    }
    myWindow = ProgramWindow::Open(width, height, title, antialiasing);
    myApp.mRenderWindow = myWindow.get();
    // Before a scene is initialised: it reads the window's size there.
    DropStartupEvents(*myWindow);
}

GameState& Stage::Start(const GameStateID& id)
{
    CheckScene(id);
    myManager.SetActiveState(id);
    GameState& scene = *myManager.GetActiveState();
    scene.Initialize();
    return scene;
}
