#include "stage/SceneSession.hpp"

#include "gfx/Randomizer.hpp"
#include "gfx/RenderImage.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/DataFolder.hpp"
#include "stage/InputScript.hpp"
#include "stage/SyntheticEvents.hpp"
#include "stage/WindowSettling.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

SceneSession::SceneSession(const GameStateID& scene, unsigned int width, unsigned int height,
                           double frameTime, unsigned int seed)
    : myApplication(DataFolder::OfThisProgram()), myFrameTime(frameTime)
{
    myApplication.CheckScene(scene);
    // Nobody looks at the frames in the window: the picture is drawn off-screen, antialiased.
    gfx::RenderWindow& window = myApplication.OpenWindow(width, height, "pulsestage-shot", 0);
    // Before the scene is initialised: it reads the window's size there.
    DropStartupEvents(window);
    // The scene hears the session's input alone, not the desktop's.
    window.KeepOutSystemEvents();
    // The main scene draws its random numbers in Initialize.
    gfx::Randomizer::SetSeed(seed);
    myScene = &myApplication.Start(scene);
    myLastFrame.Active = myScene;
}

SceneSession::~SceneSession()
{
    myLastFrame.CleanUp();
}

void SceneSession::Queue(const gfx::Event& event)
{
    myQueued.push_back(event);
}

void SceneSession::Resize(unsigned int width, unsigned int height)
{
    // The window knows its new size once the system has reported it: only then may the scene
    // hear of the resize, where the script says.
    if (!ResizeAndAwaitReport(myApplication.GetWindow(), width, height))
    {
        throw std::runtime_error("the window system did not resize the window to " +
                                 std::to_string(width) + "x" + std::to_string(height));
    }
    myOffscreenIsLast = false;
    Queue(events::Resized(width, height));
}

void SceneSession::RunFrames(int count)
{
    for (int i = 0; i < count && IsRunning(); ++i)
    {
        RunFrame();
    }
}

void SceneSession::RunFrame()
{
    myTime.Advance(myFrameTime);
    for (const gfx::Event& event : myQueued)
    {
        myApplication.GetWindow().PushEvent(event);
    }
    myQueued.clear();
    myOffscreenIsLast = myOffscreenFrames(myFramesRun + 1);
    myLastFrame =
        ::RunFrame(myApplication.GetApp(), nullptr, myOffscreenIsLast ? &Offscreen() : nullptr);
    ++myFramesRun;
    myFrameObserver();
}

void SceneSession::Play(const InputScript& script, int leastFrames)
{
    for (const ScriptStep& step : script.GetSteps())
    {
        if (!IsRunning())
        {
            return;
        }
        switch (step.Type)
        {
        case ScriptStep::Input:
            for (const gfx::Event& event : step.Events)
            {
                Queue(event);
            }
            break;
        case ScriptStep::Frames:
            RunFrames(step.Count);
            break;
        case ScriptStep::Resize:
            Resize(step.Width, step.Height);
            break;
        }
    }
    RunFrames(std::max(leastFrames - myFramesRun, myQueued.empty() ? 0 : 1));
}

bool SceneSession::IsRunning() const
{
    return myLastFrame.GoesOn();
}

gfx::Image SceneSession::Snapshot()
{
    gfx::Image picture;
    Snapshot(picture);
    return picture;
}

void SceneSession::Snapshot(gfx::Image& picture)
{
    if (!myOffscreenIsLast)
    {
        gfx::RenderImage& target = Offscreen();
        myScene->Render(target);
        target.Display();
        myOffscreenIsLast = true;
    }
    myOffscreen->CopyToImage(picture);
}

gfx::RenderImage& SceneSession::Offscreen()
{
    const gfx::RenderWindow& window = myApplication.GetWindow();
    if (!myOffscreen || myOffscreen->GetWidth() != window.GetWidth() ||
        myOffscreen->GetHeight() != window.GetHeight())
    {
        // Antialiased like the program's window, as far as the system allows off-screen. Kept
        // for the frames that follow: a capture draws one after the other into it.
        myOffscreen = std::make_unique<gfx::RenderImage>(window.GetWidth(), window.GetHeight(), 8);
    }
    return *myOffscreen;
}
