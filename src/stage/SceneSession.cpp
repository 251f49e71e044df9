#include "stage/SceneSession.hpp"

#include "gfx/Randomizer.hpp"
#include "gfx/RenderImage.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/DataFolder.hpp"
#include "main/UsageError.hpp"
#include "stage/InputScript.hpp"
#include "stage/ScenePulses.hpp"
#include "stage/SyntheticEvents.hpp"
#include "stage/WindowSettling.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

SceneSession::SceneSession(const GameStateID& scene, unsigned int width, unsigned int height,
                           double frameTime, unsigned int seed, bool windowPictures)
    : myApplication(DataFolder::OfThisProgram()), myFrameTime(frameTime)
{
    myApplication.CheckScene(scene);
    // Unless the pictures are the window's, nobody looks at the frames in the window: the
    // picture is drawn off-screen, antialiased.
    gfx::RenderWindow& window =
        myApplication.OpenWindow(width, height, "pulsestage-shot", windowPictures ? 8 : 0);
    if (windowPictures)
    {
        myPictureWindow = &window;
    }
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
    Queue(events::Resized(width, height));
}

void SceneSession::RunFrames(int count)
{
    RunFrames(count, myFrameTime);
}

void SceneSession::RunFrames(int count, double seconds)
{
    for (int i = 0; i < count && IsRunning(); ++i)
    {
        RunFrame(myPaused ? 0.0 : seconds);
    }
}

void SceneSession::RunFrame(double seconds)
{
    myTime.Advance(seconds);
    for (const gfx::Event& event : myQueued)
    {
        myApplication.GetWindow().PushEvent(event);
    }
    myQueued.clear();
    myLastFrame = ::RunFrame(myApplication.GetApp());
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
            RunFrames(step.Count, step.Seconds.value_or(myFrameTime));
            break;
        case ScriptStep::Resize:
            Resize(step.Width, step.Height);
            break;
        case ScriptStep::Pause:
        case ScriptStep::Resume:
            myPaused = step.Type == ScriptStep::Pause;
            break;
        case ScriptStep::Step:
            if (IsRunning())
            {
                RunFrame(ScriptStep::StepTime);
            }
            break;
        case ScriptStep::Set:
            SetParameter(step, script.GetSource());
            break;
        }
    }
    RunFrames(std::max(leastFrames - myFramesRun, myQueued.empty() ? 0 : 1));
}

void SceneSession::SetParameter(const ScriptStep& step, const std::string& source)
{
    PulseGenerator* const pulse = ScenePulses(*myScene).Find(step.Pulse);
    if (!pulse)
    {
        throw UsageError(source + " line " + std::to_string(step.Line) + ": the scene \"" +
                         myScene->GetID() + "\" has no pulse named \"" + step.Pulse + "\"");
    }
    PulseParameter::Set(*pulse, step.Parameter, step.Value);
}

bool SceneSession::IsRunning() const
{
    return myLastFrame.GoesOn();
}

gfx::Image SceneSession::Snapshot() const
{
    // Into the frame after the last, which the next frame draws over before it is shown.
    if (myPictureWindow)
    {
        myScene->Render(*myPictureWindow);
        if (mySnapshotOverlay)
        {
            mySnapshotOverlay(*myPictureWindow);
        }
        return myPictureWindow->CopyToImage();
    }
    const gfx::RenderWindow& window = myApplication.GetWindow();
    // Antialiased like the program's window, as far as the system allows off-screen.
    gfx::RenderImage target(window.GetWidth(), window.GetHeight(), 8);
    myScene->Render(target);
    if (mySnapshotOverlay)
    {
        mySnapshotOverlay(target);
    }
    target.Display();
    return target.CopyToImage();
}
