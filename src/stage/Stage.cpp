#include "stage/Stage.hpp"

#include "gfx/RenderWindow.hpp"
#include "main/DataFolder.hpp"
#include "main/ProgramWindow.hpp"
#include "main/UsageError.hpp"
#include "stage/WindowSettling.hpp"

#include <algorithm>
#include <stdexcept>

Stage::Stage()
    : myData(DataFolder::OfThisProgram()),
      myImages(myData.GetResources()), myApp{nullptr, &myManager, &myImages}
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

void Stage::CheckPictures() const
{
    const std::vector<std::string> failed = myImages.GetFailedLoads();
    if (!failed.empty())
    {
        throw std::runtime_error(myData.ExplainFailedLoads(failed));
    }
}
