#include "main/Application.hpp"

#include "gfx/RenderWindow.hpp"
#include "main/DataFolder.hpp"
#include "main/ProgramWindow.hpp"
#include "main/UsageError.hpp"

#include <algorithm>
#include <stdexcept>

Application::Application(const DataFolder& data)
    : myData(data), myImages(data.GetResources()), myApp{nullptr, &myManager, &myImages}
{
    myManager.SetApp(&myApp);
    myManager.RegisterState(&myMain);
    myManager.RegisterState(&myTestBoundedMovement);
}

Application::~Application() = default;

void Application::CheckScene(const GameStateID& id) const
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

gfx::RenderWindow& Application::OpenWindow(unsigned int width, unsigned int height,
                                           const std::string& title, unsigned int antialiasing)
{
    myWindow = ProgramWindow::Open(width, height, title, antialiasing);
    myApp.mRenderWindow = myWindow.get();
    return *myWindow;
}

GameState& Application::Start(const GameStateID& id)
{
    CheckScene(id);
    myManager.SetActiveState(id);
    GameState& scene = *myManager.GetActiveState();
    scene.Initialize();
    return scene;
}

void Application::CheckPictures() const
{
    const std::vector<std::string> failed = myImages.GetFailedLoads();
    if (!failed.empty())
    {
        throw std::runtime_error(myData.ExplainFailedLoads(failed));
    }
}
