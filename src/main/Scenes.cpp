#include "main/Scenes.hpp"

#include "main/SceneSet.hpp"

void RegisterScenes(GameStateManager& manager)
{
    (new SceneSet)->RegisterWith(manager);
}
