#pragma once

class GameStateManager;

// Creates the program's scenes and registers them: "main", then "TestBoundedMovement". The
// scenes live until the process ends; the manager only points to them.
void RegisterScenes(GameStateManager& manager);
