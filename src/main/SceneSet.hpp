#pragma once

#include "gamestates/Main.hpp"
#include "gamestates/TestBoundedMovement.hpp"

class GameStateManager;

// The program's scenes, owned together, so that a tool can build and drop them like any object
// while the program keeps its set until it ends.
class SceneSet
{
public:
    // Registers the scenes in the program's order: "main", then "TestBoundedMovement".
    void RegisterWith(GameStateManager& manager);

private:
    gamestates::Main myMain;
    gamestates::TestBoundedMovement myTestBoundedMovement;
};
