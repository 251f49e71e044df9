#include "main/FrameLoop.hpp"

#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "gfx/RenderWindow.hpp"

int RunFrameLoop(App& app)
{
    bool Running = true;
    GameState* active = nullptr;
    gfx::Event Event;
    do
    {
        active = app.mGameStateManager->GetActiveState();
        while (app.mRenderWindow->GetEvent(Event))
        {
            if (Event.type == gfx::Event::Closed)
            {
                Running = false;
            }
            else if (active)
            {
                active->EventHandling(Event);
            }
        }
        if (active)
        {
            active->Update();
            active->Render(*app.mRenderWindow);
        }
        app.mRenderWindow->Display();
    } while (Running && active && active->IsRunning());

    if (active)
    {
        active->Cleanup();
    }
    return 0;
}
