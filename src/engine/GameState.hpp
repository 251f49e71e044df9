#pragma once

#include "gfx/Event.hpp"

#include <string>

namespace gfx
{
class Input;
class RenderTarget;
} // namespace gfx

struct App;
class GameStateManager;

using GameStateID = std::string;

// One scene of the program. The frame loop initialises the active state once, then hands it
// every window event but the close request, updates it and lets it draw the whole frame, and
// cleans it up at the end. States are never destroyed through this base.
class GameState
{
public:
    virtual void Initialize() = 0;
    virtual void Cleanup() = 0;
    // No time argument: a scene that animates measures time itself.
    virtual void Update() = 0;
    virtual void EventHandling(gfx::Event event) = 0;
    // Draws the whole frame, clearing included.
    virtual void Render(gfx::RenderTarget& target) = 0;

    GameStateID GetID() const { return myID; }
    GameStateManager* GetManager() const { return myManager; }
    void SetManager(GameStateManager* manager) { myManager = manager; }
    bool IsRunning() const { return myRunning; }
    // A state that sets false on itself ends the frame loop after the current frame.
    void SetRunning(bool v) { myRunning = v; }

    // These follow state, manager, application and window without checks: the state must be
    // registered with a manager that has an application with a window.
    App* GetApp() const;
    const gfx::Input* GetInput() const;

protected:
    GameState() = default;
    ~GameState() = default;
    GameState(const GameState&) = default;
    GameState& operator=(const GameState&) = default;

private:
    bool myRunning = false;
    GameStateManager* myManager = nullptr;

protected:
    GameStateID myID;
};
