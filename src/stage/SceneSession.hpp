#pragma once

#include "engine/GameState.hpp"
#include "gfx/Event.hpp"
#include "gfx/Image.hpp"
#include "main/Application.hpp"
#include "main/FrameLoop.hpp"
#include "stage/ManualTimeSource.hpp"

#include <functional>
#include <utility>
#include <vector>

class InputScript;
struct ScriptStep;

// One of the program's scenes running deterministically: in the program's application, on a
// clock that advances exactly one frame time per frame, with seeded random numbers, fed only with
// the input it is given. Each frame is the program's (RunFrame), the input goes through the
// window's event queue like a user's, and the last frame can be drawn off-screen.
//
// The clock and the random numbers are the process's own: one session at a time.
class SceneSession
{
public:
    // Opens a window of the given size and starts the scene in it. The snapshots are drawn
    // off-screen, antialiased as far as the system allows there; with windowPictures the window
    // is the program's kind, antialiased as far as the system allows a window, and the snapshots
    // are drawn in it, as the program and pulsestage-scene show their frames. Throws UsageError
    // for an unknown scene (before any window opens), std::runtime_error without a display.
    SceneSession(const GameStateID& scene, unsigned int width, unsigned int height,
                 double frameTime, unsigned int seed, bool windowPictures = false);
    // Cleans the scene up and gives the clocks the system's time back.
    ~SceneSession();
    SceneSession(const SceneSession&) = delete;
    SceneSession& operator=(const SceneSession&) = delete;

    // The event reaches the scene in the next frame, after those queued before it.
    void Queue(const gfx::Event& event);
    // Resizes the window now; the scene hears of it in the next frame. Throws
    // std::runtime_error when the window system does not grant the size.
    void Resize(unsigned int width, unsigned int height);
    // Runs frames until count have run or the scene has stopped itself.
    void RunFrames(int count);
    // The same, each frame taking the seconds given, or none while the script has paused the
    // scene's time.
    void RunFrames(int count, double seconds);
    // Applies the script's steps in order, then runs frames until at least leastFrames have run
    // in all and no input is left over. Throws UsageError naming the line of a step that changes
    // a pulse the scene does not have.
    void Play(const InputScript& script, int leastFrames);

    // The time each following frame takes, in seconds; never negative.
    void SetFrameTime(double seconds) { myFrameTime = seconds; }
    // Called after every frame from now on, when the frame is complete, as for a recording.
    void SetFrameObserver(std::function<void()> observer) { myFrameObserver = std::move(observer); }
    // Draws over every snapshot, after the scene.
    void SetSnapshotOverlay(std::function<void(gfx::RenderTarget&)> overlay)
    {
        mySnapshotOverlay = std::move(overlay);
    }

    // False once the scene has stopped itself; no frame runs after that.
    bool IsRunning() const;
    // Whether the script has paused the scene's time.
    bool IsPaused() const { return myPaused; }
    int GetFramesRun() const { return myFramesRun; }
    // The seconds the scene's clocks have advanced in all.
    double GetSceneTime() const { return myTime.GetNow(); }
    GameState& GetScene() { return *myScene; }
    Application& GetApplication() { return myApplication; }
    // The scene's last frame, drawn again off-screen at the window's size.
    gfx::Image Snapshot() const;

private:
    void RunFrame(double seconds);
    void SetParameter(const ScriptStep& step, const std::string& source);

    ManualTimeSource myTime;
    Application myApplication;
    GameState* myScene = nullptr;
    Frame myLastFrame;
    double myFrameTime;
    std::vector<gfx::Event> myQueued;
    int myFramesRun = 0;
    bool myPaused = false;
    // Where the snapshots are drawn when they are the window's.
    gfx::RenderWindow* myPictureWindow = nullptr;
    std::function<void()> myFrameObserver = [] {};
    std::function<void(gfx::RenderTarget&)> mySnapshotOverlay;
};
