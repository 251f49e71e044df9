#include "support/FrameDriver.hpp"

#include "main/FrameLoop.hpp"
#include "support/TestApp.hpp"

namespace testing_support
{
namespace
{
// Stands in for the scene as the active state, hands every call on to it, and queues the next
// frame's input at the end of each frame, or the close request after the last.
class FrameScript final : public GameState
{
public:
    FrameScript(TestApp& app, GameState& scene, int frames,
                const std::function<void(int)>& beforeFrame)
        : myApp(app), myScene(scene), myFrames(frames), myBeforeFrame(beforeFrame)
    {
        myID = "frame script";
    }

    void Initialize() override {}
    void Cleanup() override {}
    void Update() override { myScene.Update(); }
    void EventHandling(gfx::Event event) override { myScene.EventHandling(event); }
    void Render(gfx::RenderTarget& target) override
    {
        myScene.Render(target);
        Prepare(++myFrame);
    }

    void Prepare(int frame)
    {
        if (frame < myFrames)
        {
            if (myBeforeFrame)
            {
                myBeforeFrame(frame);
            }
        }
        else
        {
            myApp.Push(Closed());
        }
    }

private:
    TestApp& myApp;
    GameState& myScene;
    int myFrames;
    int myFrame = 0;
    const std::function<void(int)>& myBeforeFrame;
};
} // namespace

void RunFrames(TestApp& app, GameState& scene, int frames,
               const std::function<void(int frame)>& beforeFrame)
{
    FrameScript script(app, scene, frames, beforeFrame);
    GameState* const previous = app.Manager().GetActiveState();
    app.Manager().RegisterState(&script);
    app.Manager().SetActiveState(script.GetID());
    script.Prepare(0);
    RunFrameLoop(app.GetApp());
    if (previous)
    {
        app.Manager().SetActiveState(previous->GetID());
    }
}
} // namespace testing_support
