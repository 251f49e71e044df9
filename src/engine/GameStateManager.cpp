#include "engine/GameStateManager.hpp"

void GameStateManager::RegisterState(GameState* state)
{
    state->SetManager(this);
    myStates[state->GetID()] = state;
}

GameState* GameStateManager::GetState(GameStateID id) const
{
    return myStates.at(id);
}

void GameStateManager::SetActiveState(GameStateID id)
{
    myActiveState = GetState(id);
    myActiveState->SetRunning(true);
}

std::vector<GameStateID> GameStateManager::GetStateIDs() const
{
    std::vector<GameStateID> ids;
    for (const auto& entry : myStates)
    {
        ids.push_back(entry.first);
    }
    return ids;
}
