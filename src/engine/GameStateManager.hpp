#pragma once

#include "engine/GameState.hpp"

#include <map>
#include <vector>

// The registry of scenes by ID and the one that is active. It owns none of them.
class GameStateManager
{
public:
    // Stores the state under its current ID, replacing without a word any state registered
    // under that ID before; neither state's running flag nor the active state changes.
    void RegisterState(GameState* state);
    // Throws std::out_of_range ("map::at") for an ID that was never registered.
    GameState* GetState(GameStateID id) const;
    // Marks the state running. It does not initialise the new state or clean up the old one;
    // an unknown ID throws as GetState does, before anything changes.
    void SetActiveState(GameStateID id);
    // The IDs of every registered state, sorted.
    std::vector<GameStateID> GetStateIDs() const;
    GameState* GetActiveState() const { return myActiveState; }
    App* GetApp() const { return myApp; }
    void SetApp(App* app) { myApp = app; }

private:
    App* myApp = nullptr;
    GameState* myActiveState = nullptr;
    std::map<GameStateID, GameState*> myStates;
};
