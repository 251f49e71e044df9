#include "main/Stage.hpp"

#include "gfx/RenderWindow.hpp"
#include "main/UsageError.hpp"

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
    myWindow = std::make_unique<gfx::RenderWindow>(gfx::VideoMode(width, height, 32), title,
                                                   gfx::Style::Titlebar | gfx::Style::Resize |
                                                       gfx::Style::Close,
                                                   gfx::WindowSettings(24, 8, antialiasing));
    myApp.mRenderWindow = myWindow.get();
}

GameState& Stage::Start(const GameStateID& id)
{
    CheckScene(id);
    myManager.SetActiveState(id);
    GameState& scene = *myManager.GetActiveState();
    scene.Initialize();
    return scene;
}
