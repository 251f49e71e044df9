#pragma once

#include "gamestates/TestBoundedMovement.hpp"

namespace gamestates
{
// Reads the scene's handles, edge guides and view.
class TestBoundedMovementProbe
{
public:
    explicit TestBoundedMovementProbe(const TestBoundedMovement& scene) : myScene(scene) {}

    gfx::Vector2f Start() const { return myScene.myCircleStart.GetPosition(); }
    gfx::Vector2f Dest() const { return myScene.myCircleDest.GetPosition(); }
    gfx::Vector2f CorrectDest() const { return myScene.myCircleCorrectDest.GetPosition(); }
    const Line& Bound() const { return myScene.myLineBound; }
    const Line& Movement1() const { return myScene.myLineMovement1; }
    const Line& Movement2() const { return myScene.myLineMovement2; }
    const gfx::View& View() const { return myScene.myView; }

private:
    const TestBoundedMovement& myScene;
};
} // namespace gamestates
