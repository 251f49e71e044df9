#include "main/FrameLoop.hpp"

#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "gfx/RenderImage.hpp"
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

Frame RunFrame(App& app, const Overlay& overlay, gfx::RenderImage* offscreen)
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
    gfx::RenderTarget& target =
        offscreen ? static_cast<gfx::RenderTarget&>(*offscreen) : *app.mRenderWindow;
    const unsigned long drawCalls = target.GetDrawCalls();
    if (frame.Active)
    {
        frame.Active->Update();
        frame.Active->Render(target);
    }
    if (offscreen)
    {
        offscreen->Display();
    }
    else
    {
        if (overlay)
        {
            overlay(*app.mRenderWindow);
        }
        app.mRenderWindow->Display();
    }
    frame.DrawCalls = target.GetDrawCalls() - drawCalls;
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
