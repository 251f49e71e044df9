#pragma once

#include <functional>

struct App;
class GameState;

namespace gfx
{
class RenderWindow;
}

// What a frame leaves to the loop that runs it.
struct Frame
{
    // The state the frame ran: the active state when it began.
    GameState* Active = nullptr;
    // False once a close request arrived.
    bool Running = true;

    // Whether the program's loop runs another frame: no close request arrived, there is a state
    // and it still runs, tested in this order.
    bool GoesOn() const;
    // Ends a run of frames: cleans up the state this frame ran, if there is one.
    void CleanUp() const;
};

// Draws into the window over the state's frame, before the frame is shown.
using Overlay = std::function<void(gfx::RenderWindow&)>;

// Runs one frame of the application's active state, in this order: take the active state; hand
// it, by value, every queued window event but a close request (draining goes on after one); update
// it; let it draw the whole frame into the window; let the overlay, if any, draw over it; show the
// frame. The caller owns the loop: the program's is RunFrameLoop, the harness runs frames one at
// a time.
Frame RunFrame(App& app, const Overlay& overlay = nullptr);

// The program's loop: frames until one does not go on, then the state of the last frame is
// cleaned up. Returns the process's exit code, 0.
int RunFrameLoop(App& app);
