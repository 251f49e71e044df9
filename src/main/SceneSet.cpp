#include "main/SceneSet.hpp"

#include "engine/GameStateManager.hpp"

void SceneSet::RegisterWith(GameStateManager& manager)
{
    manager.RegisterState(&myMain);
    manager.RegisterState(&myTestBoundedMovement);
}
