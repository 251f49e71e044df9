#pragma once

#include "engine/GameState.hpp"
#include "gfx/Event.hpp"
#include "gfx/Image.hpp"
#include "main/Application.hpp"
#include "main/FrameLoop.hpp"
#include "stage/ManualTimeSource.hpp"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class InputScript;

namespace gfx
{
class RenderImage;
}

// One of the program's scenes running deterministically: in the program's application, on a
// clock that advances exactly one frame time per frame, with seeded random numbers, fed only with
// the input it is given. Each frame is the program's (RunFrame), the input goes through the
// window's event queue like a user's, and the last frame can be drawn off-screen; frames whose
// pictures are wanted throughout are drawn off-screen in the first place.
//
// The clock and the random numbers are the process's own: one session at a time.
class SceneSession
{
public:
    // Opens a window of the given size and starts the scene in it. Throws UsageError for an
    // unknown scene (before any window opens), std::runtime_error without a display.
    SceneSession(const GameStateID& scene, unsigned int width, unsigned int height,
                 double frameTime, unsigned int seed);
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
    // Applies the script's steps in order, then runs frames until at least leastFrames have run
    // in all and no input is left over.
    void Play(const InputScript& script, int leastFrames);

    // The time each following frame takes, in seconds; never negative.
    void SetFrameTime(double seconds) { myFrameTime = seconds; }
    // Called after every frame from now on, when the frame is complete, as for a recording.
    void SetFrameObserver(std::function<void()> observer) { myFrameObserver = std::move(observer); }
    // The following frames for which the test holds, asked with the number the frame will have
    // (GetFramesRun once it has run), are drawn off-screen as Snapshot draws, and not in the
    // window: their snapshots cost no second drawing. The window keeps the frame before.
    void SetOffscreenFrames(std::function<bool(int)> offscreen)
    {
        myOffscreenFrames = std::move(offscreen);
    }

    // False once the scene has stopped itself; no frame runs after that.
    bool IsRunning() const;
    int GetFramesRun() const { return myFramesRun; }
    GameState& GetScene() { return *myScene; }
    Application& GetApplication() { return myApplication; }
    // The scene's last frame, drawn off-screen at the window's size: read where it was drawn off-
    // screen in the first place, else drawn again.
    gfx::Image Snapshot();
    // The same into the picture, whose storage is reused when it has the size already.
    void Snapshot(gfx::Image& picture);

private:
    void RunFrame();
    // The off-screen image at the window's size, made anew when the size has changed.
    gfx::RenderImage& Offscreen();

    ManualTimeSource myTime;
    Application myApplication;
    GameState* myScene = nullptr;
    Frame myLastFrame;
    double myFrameTime;
    std::vector<gfx::Event> myQueued;
    int myFramesRun = 0;
    std::function<void()> myFrameObserver = [] {};
    std::function<bool(int)> myOffscreenFrames = [](int) { return false; };
    std::unique_ptr<gfx::RenderImage> myOffscreen;
    // Whether the off-screen image holds the last frame at the window's size.
    bool myOffscreenIsLast = false;
};
