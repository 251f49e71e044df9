#include "main/Scenes.hpp"

#include "engine/GameStateManager.hpp"
#include "gamestates/Main.hpp"
#include "gamestates/TestBoundedMovement.hpp"

void RegisterScenes(GameStateManager& manager)
{
    manager.RegisterState(new gamestates::Main);
    manager.RegisterState(new gamestates::TestBoundedMovement);
}
