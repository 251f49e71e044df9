#pragma once

#include "gfx/Event.hpp"
#include "main/Application.hpp"
#include "main/FrameLoop.hpp"
#include "stage/ManualTimeSource.hpp"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

class Inspector;
class ScriptRecorder;

// pulsestage-scene's session: one of the program's scenes in the program's window and frame,
// with a player around it. Space pauses and resumes the scene's time, the period key steps one
// frame of 1/60 s while paused, F1 shows and hides the inspector over the scene, F12 writes the
// frame on screen, without the inspector, as a PNG. These keys never reach the scene, nor does
// the input the inspector takes.
//
// The scene's clocks read a time that advances once a frame, at its start, by the frame's
// duration (none while paused), so every reading within a frame agrees and a frame's duration
// is all a replay needs. Optionally the session is recorded as a script (ScriptRecorder).
//
// The clock and the random numbers are the process's own: one player at a time, and no
// SceneSession beside it.
class ScenePlayer
{
public:
    struct Options
    {
        GameStateID Scene;
        unsigned int Width = 1024;
        unsigned int Height = 600;
        // Empty: no recording.
        std::string Record;
        // Where F12 writes its pictures.
        std::filesystem::path Screenshots = ".";
        // Nothing: an unpredictable seed, as the program has.
        std::optional<unsigned int> Seed;
    };
    // The window system's next event; false when there is none.
    using EventSource = std::function<bool(gfx::Event&)>;

    // Opens the program's window and starts the scene in it. Throws UsageError for an unknown
    // scene, std::runtime_error without a display, for a picture the scene lacks or a recording
    // that cannot be created, all before the first frame. Screenshots' paths go to out.
    ScenePlayer(const Options& options, std::ostream& out);
    // Cleans the scene up; a recording not finished is left out.
    ~ScenePlayer();
    ScenePlayer(const ScenePlayer&) = delete;
    ScenePlayer& operator=(const ScenePlayer&) = delete;

    // Where the events come from instead of the window system, for tests.
    void SetEventSource(EventSource source) { myEvents = std::move(source); }

    // Runs one frame that took realSeconds since the last one began (since the start, for the
    // first). False when the session is over: the window was closed or the scene stopped.
    bool RunFrame(double realSeconds);
    // Puts the recording in place. Throws std::runtime_error when it cannot be written.
    void Finish();

    bool IsPaused() const { return myPaused; }
    bool IsInspectorShown() const { return myInspectorShown; }
    // The seconds the scene's clocks have advanced in all.
    double GetSceneTime() const { return mySceneTime; }
    GameState& GetScene() { return *myScene; }
    Application& GetApplication() { return myApplication; }
    Inspector& GetInspector() { return *myInspector; }

private:
    void TakeEvents();
    // Whether the player or the inspector keeps the event from the scene.
    bool KeepFromScene(const gfx::Event& event);
    bool HandlePlayerKey(const gfx::Event& event);
    void DrawOverlay(gfx::RenderWindow& window);
    void WriteScreenshot(gfx::RenderWindow& window);

    ManualTimeSource myTime;
    Application myApplication;
    GameState* myScene = nullptr;
    std::ostream& myOut;
    std::filesystem::path myScreenshots;
    EventSource myEvents;
    std::unique_ptr<ScriptRecorder> myRecorder;
    std::unique_ptr<Inspector> myInspector;
    Frame myLastFrame;
    double mySceneTime = 0.0;
    bool myPaused = false;
    bool myStepAsked = false;
    bool myScreenshotAsked = false;
    bool myInspectorShown = false;
    // The player's keys held down, so that a key's repeats act once.
    bool myPauseKeyHeld = false;
    bool myInspectorKeyHeld = false;
    bool myScreenshotKeyHeld = false;
};
