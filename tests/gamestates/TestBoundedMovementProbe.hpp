#pragma once

#include "gamestates/TestBoundedMovement.hpp"

namespace gamestates
{
// Test access to the scene's private state and geometry.
class TestBoundedMovementProbe
{
public:
    explicit TestBoundedMovementProbe(TestBoundedMovement& scene) : myScene(scene) {}

    // Puts the body and the boundary where given, lets the scene correct the destination and
    // returns the corrected destination. The guides are left as they were.
    gfx::Vector2f Configure(gfx::Vector2f start, gfx::Vector2f vector, gfx::Vector2f p1,
                            gfx::Vector2f p2)
    {
        myScene.radius = 50.f;
        myScene.myCircleStart.SetPosition(start);
        myScene.myVector = vector;
        myScene.UpdateDest();
        myScene.myLineBound.SetPoints(p1, p2);
        myScene.UpdateCorrectDest();
        return CorrectDest();
    }

    static bool DoLinesIntersect(gfx::Vector2f s1, gfx::Vector2f e1, gfx::Vector2f s2,
                                 gfx::Vector2f e2)
    {
        return TestBoundedMovement::DoLinesIntersect(s1, e1, s2, e2);
    }

    gfx::Vector2f Start() const { return myScene.myCircleStart.GetPosition(); }
    gfx::Vector2f Dest() const { return myScene.myCircleDest.GetPosition(); }
    gfx::Vector2f CorrectDest() const { return myScene.myCircleCorrectDest.GetPosition(); }
    gfx::Vector2f Vector() const { return myScene.myVector; }
    const Line& Bound() const { return myScene.myLineBound; }
    const Line& Movement() const { return myScene.myLineMovement; }
    const Line& Movement1() const { return myScene.myLineMovement1; }
    const Line& Movement2() const { return myScene.myLineMovement2; }
    const gfx::View& View() const { return myScene.myView; }

private:
    TestBoundedMovement& myScene;
};
} // namespace gamestates
