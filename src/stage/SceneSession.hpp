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
struct ScriptStep;

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
    // The same, each frame lasting the seconds given; while the script has paused the scene's
    // time, the frames last as long, but the scene's clocks stand still.
    void RunFrames(int count, double seconds);
    // Applies the script's steps in order, then runs frames until at least leastFrames have run
    // in all and no input is left over. Throws UsageError naming the line of a step that changes
    // a pulse the scene does not have.
    void Play(const InputScript& script, int leastFrames);

    // The time each following frame takes, in seconds; never negative.
    void SetFrameTime(double seconds) { myFrameTime = seconds; }
    // Called after every frame from now on, when the frame is complete, as for a recording.
    void SetFrameObserver(std::function<void()> observer) { myFrameObserver = std::move(observer); }
    // The following frames for which the test holds, asked with the number the frame will have
    // (GetFramesRun once it has run), are drawn where their snapshots read them, so that those
    // cost no second drawing: off-screen, and not in the window, which keeps the frame before.
    // Pictures that are the window's are drawn in the window, as every frame.
    void SetOffscreenFrames(std::function<bool(int)> offscreen)
    {
        myOffscreenFrames = std::move(offscreen);
    }
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
    // How long the last frame lasted for whoever watched it, paused or not: what a GIF shows it
    // for.
    double GetFrameSeconds() const { return myFrameSeconds; }
    // The draw calls of the last frame, wherever it was drawn.
    unsigned long GetFrameDrawCalls() const { return myLastFrame.DrawCalls; }
    // The seconds the scene's clocks have advanced in all.
    double GetSceneTime() const { return myTime.GetNow(); }
    GameState& GetScene() { return *myScene; }
    Application& GetApplication() { return myApplication; }
    // The scene's last frame at the window's size, with the snapshot overlay over it: off-screen,
    // or in the window when the pictures are the window's. Read where the frame was drawn in the
    // first place (SetOffscreenFrames), else drawn again.
    gfx::Image Snapshot();
    // The same into the picture, whose storage is reused when it has the size already.
    void Snapshot(gfx::Image& picture);

private:
    // A frame that lasts the seconds given, for whoever watches it, while the scene's clocks
    // advance by advance.
    void RunFrame(double seconds, double advance);
    void SetParameter(const ScriptStep& step, const std::string& source);
    // The last frame, unless it is drawn there already, and the snapshot overlay over it.
    void DrawSnapshot(gfx::RenderTarget& target, bool frameDrawn);
    // The off-screen image at the window's size, made anew when the size has changed.
    gfx::RenderImage& Offscreen();

    ManualTimeSource myTime;
    Application myApplication;
    GameState* myScene = nullptr;
    Frame myLastFrame;
    double myFrameTime;
    double myFrameSeconds = 0.0;
    std::vector<gfx::Event> myQueued;
    int myFramesRun = 0;
    bool myPaused = false;
    // Where the snapshots are drawn when they are the window's.
    gfx::RenderWindow* myPictureWindow = nullptr;
    std::function<void()> myFrameObserver = [] {};
    std::function<void(gfx::RenderTarget&)> mySnapshotOverlay;
    std::function<bool(int)> myOffscreenFrames = [](int) { return false; };
    std::unique_ptr<gfx::RenderImage> myOffscreen;
    // Whether the off-screen image holds the last frame at the window's size, and nothing over it.
    bool myOffscreenIsLast = false;
};
