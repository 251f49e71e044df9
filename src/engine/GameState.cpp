#include "engine/GameState.hpp"

#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"

App* GameState::GetApp() const
{
    return GetManager()->GetApp();
}

const gfx::Input* GameState::GetInput() const
{
    return GetApp()->GetInput();
}
