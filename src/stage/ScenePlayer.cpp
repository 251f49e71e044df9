#include "stage/ScenePlayer.hpp"

#include "gfx/Err.hpp"
#include "gfx/Image.hpp"
#include "gfx/Randomizer.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/DataFolder.hpp"
#include "stage/Inspector.hpp"
#include "stage/ScriptRecorder.hpp"
#include "stage/ScriptStep.hpp"

#include <algorithm>
#include <random>

namespace
{
using K = gfx::Keyboard;

bool IsPlayerKey(K::Key key)
{
    return key == K::Space || key == K::Period || key == K::F1 || key == K::F12;
}
} // namespace

ScenePlayer::ScenePlayer(const Options& options, std::ostream& out)
    : myApplication(DataFolder::OfThisProgram()), myOut(out), myScreenshots(options.Screenshots)
{
    myApplication.CheckScene(options.Scene);
    const unsigned int seed = options.Seed.value_or(std::random_device{}());
    // Before the window opens, so that a recording that cannot be written costs nothing.
    if (!options.Record.empty())
    {
        myRecorder = std::make_unique<ScriptRecorder>(options.Record, options.Scene, seed);
    }
    gfx::RenderWindow& window =
        myApplication.OpenWindow(options.Width, options.Height, "SFML Window", 8);
    myEvents = [&window](gfx::Event& event) { return window.PollSystemEvent(event); };
    // The player hands the scene what it heard of the window system itself, past its own keys;
    // what arrives while a frame runs waits for the next.
    window.KeepOutSystemEvents(gfx::RenderWindow::KeptOut::Left);
    gfx::Randomizer::SetSeed(seed);
    myScene = &myApplication.Start(options.Scene);
    myLastFrame.Active = myScene;
    myApplication.CheckPictures();
    myInspector = std::make_unique<Inspector>(
        *myScene,
        [this](const std::string& pulse, PulseParameter::Which parameter, float value)
        {
            if (myRecorder)
            {
                myRecorder->Changed(pulse, parameter, value);
            }
        });
}

ScenePlayer::~ScenePlayer()
{
    myInspector->Release(myApplication.GetWindow());
    myLastFrame.CleanUp();
}

bool ScenePlayer::RunFrame(double realSeconds)
{
    // No longer than a script's frame, so that the recording replays: a frame the machine slept
    // through counts as that long.
    realSeconds = std::min(realSeconds, double{ScriptStep::LongestFrame});
    TakeEvents();
    const bool stepping = myPaused && myStepAsked;
    myStepAsked = false;
    const double seconds = stepping ? ScriptStep::StepTime : myPaused ? 0.0 : realSeconds;
    if (myRecorder)
    {
        stepping ? myRecorder->Stepped() : myRecorder->FrameRan(realSeconds);
    }
    myTime.Advance(seconds);
    mySceneTime += seconds;
    myLastFrame = ::RunFrame(myApplication.GetApp(),
                             [this, realSeconds](gfx::RenderWindow& target)
                             {
                                 if (myScreenshotAsked)
                                 {
                                     WriteScreenshot(target);
                                 }
                                 if (myInspectorShown)
                                 {
                                     myInspector->Draw(target, realSeconds, myPaused);
                                 }
                             });
    myInspector->FrameRan(realSeconds, mySceneTime, myLastFrame.DrawCalls);
    return myLastFrame.GoesOn();
}

void ScenePlayer::Finish()
{
    if (myRecorder)
    {
        myRecorder->Finish();
    }
}

void ScenePlayer::TakeEvents()
{
    gfx::RenderWindow& window = myApplication.GetWindow();
    gfx::Event event;
    while (myEvents(event))
    {
        if (KeepFromScene(event))
        {
            continue;
        }
        // A close request ends the session in this frame; the scene never hears of it.
        if (myRecorder && event.type != gfx::Event::Closed)
        {
            myRecorder->Heard(event);
        }
        window.PushEvent(event);
    }
}

bool ScenePlayer::KeepFromScene(const gfx::Event& event)
{
    const bool keyEvent =
        event.type == gfx::Event::KeyPressed || event.type == gfx::Event::KeyReleased;
    if (keyEvent && IsPlayerKey(event.key.code) && HandlePlayerKey(event))
    {
        return true;
    }
    return myInspectorShown && myInspector->Take(event);
}

// Keys held down repeat; each of the toggles acts on the first press only, while the period
// key steps on every repeat.
bool ScenePlayer::HandlePlayerKey(const gfx::Event& event)
{
    const K::Key key = event.key.code;
    // A field of the inspector being edited takes the space and the decimal point.
    if (myInspectorShown && myInspector->WantsKeyboard() && (key == K::Space || key == K::Period))
    {
        return false;
    }
    const bool pressed = event.type == gfx::Event::KeyPressed;
    const auto firstPress = [pressed](bool& held)
    {
        const bool first = pressed && !held;
        held = pressed;
        return first;
    };
    switch (key)
    {
    case K::Space:
        if (firstPress(myPauseKeyHeld))
        {
            myPaused = !myPaused;
            if (myRecorder)
            {
                myPaused ? myRecorder->Paused() : myRecorder->Resumed();
            }
        }
        break;
    case K::Period:
        myStepAsked = myStepAsked || (pressed && myPaused);
        break;
    case K::F1:
        if (firstPress(myInspectorKeyHeld))
        {
            myInspectorShown = !myInspectorShown;
        }
        break;
    default:
        if (firstPress(myScreenshotKeyHeld))
        {
            myScreenshotAsked = true;
        }
        break;
    }
    return true;
}

void ScenePlayer::WriteScreenshot(gfx::RenderWindow& window)
{
    myScreenshotAsked = false;
    namespace fs = std::filesystem;
    const std::string stem = "pulsestage-" + myScene->GetID() + "-";
    fs::path path;
    for (int number = 1; path.empty() || fs::exists(path); ++number)
    {
        path = myScreenshots / (stem + std::to_string(number) + ".png");
    }
    if (window.CopyToImage().SaveToFile(path.string()))
    {
        myOut << fs::absolute(path).lexically_normal().string() << std::endl;
    }
    else
    {
        gfx::Err() << "cannot write the screenshot to \"" << path.string() << "\"" << std::endl;
    }
}
