#pragma once

#include "gamestates/TestBoundedMovement.hpp"

namespace gamestates
{
// Reads the scene's handles, edge guides and view, and reaches its geometry, which keeps no state.
class TestBoundedMovementProbe
{
public:
    explicit TestBoundedMovementProbe(const TestBoundedMovement& scene) : myScene(scene) {}

    static bool DoLinesIntersect(gfx::Vector2f s1, gfx::Vector2f e1, gfx::Vector2f s2,
                                 gfx::Vector2f e2)
    {
        return TestBoundedMovement::DoLinesIntersect(s1, e1, s2, e2);
    }

    // For the scene's body of radius 50.
    static gfx::Vector2f CorrectDestination(gfx::Vector2f start, gfx::Vector2f vector,
                                            gfx::Vector2f p1, gfx::Vector2f p2,
                                            gfx::Vector2f previous)
    {
        return TestBoundedMovement::CorrectDestination(start, vector, p1, p2, 50.f, previous);
    }

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
