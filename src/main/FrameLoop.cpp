#include "main/FrameLoop.hpp"

#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "gfx/RenderWindow.hpp"

bool Frame::GoesOn() const
{
    return Running && Active && Active->IsRunning();
}

void Frame::CleanUp() const
{
    if (Active)
    {
        Active->Cleanup();
    }
}

Frame RunFrame(App& app, const Overlay& overlay)
{
    Frame frame;
    frame.Active = app.mGameStateManager->GetActiveState();
    gfx::Event Event;
    while (app.mRenderWindow->GetEvent(Event))
    {
        if (Event.type == gfx::Event::Closed)
        {
            frame.Running = false;
        }
        else if (frame.Active)
        {
            frame.Active->EventHandling(Event);
        }
    }
    if (frame.Active)
    {
        frame.Active->Update();
        frame.Active->Render(*app.mRenderWindow);
    }
    if (overlay)
    {
        overlay(*app.mRenderWindow);
    }
    app.mRenderWindow->Display();
    return frame;
}

int RunFrameLoop(App& app)
{
    Frame frame;
    do
    {
        frame = RunFrame(app);
    } while (frame.GoesOn());
    frame.CleanUp();
    return 0;
}
