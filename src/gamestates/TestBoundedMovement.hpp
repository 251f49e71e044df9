#pragma once

#include "engine/GameState.hpp"
#include "gameobjects/Line.hpp"
#include "gfx/Shape.hpp"
#include "gfx/Vector2.hpp"
#include "gfx/View.hpp"
#include "misc/ZoomRange.hpp"

namespace gamestates
{
// An interactive test of bounded movement: a round body of radius 50 moves from a start point
// by a movement vector, and a one-sided boundary segment may stop it. The user drags the start,
// the destination and the boundary ends with the left button, pans with the right button and
// zooms with the wheel; the circle at the corrected destination shows where the body stops.
class TestBoundedMovement final : public GameState
{
public:
    TestBoundedMovement();

    void Initialize() override;
    void Cleanup() override;
    void Update() override;
    void EventHandling(gfx::Event Event) override;
    void Render(gfx::RenderTarget& Target) override;

private:
    friend class TestBoundedMovementProbe;

    enum GrabMode
    {
        none = 0,
        start = 1,
        dest = 2,
        all = 3,
        bound1 = 4,
        bound2 = 5
    };

    void OnResize(float width, float height);
    void UpdateDest();
    void UpdateVector();
    void UpdateVectorLine();
    void UpdateCorrectDest();
    void OnWheel(int delta);
    void OnButtonPressed(gfx::Mouse::Button button, int x, int y);
    void OnMouseMoved(int x, int y);
    // The scene point under a window pixel, through myView.
    gfx::Vector2f ToScene(int x, int y) const;

    float radius = 0.f;
    gfx::View myView;
    gfx::Shape myCircleStart;
    gfx::Vector2f myVector;
    gfx::Shape myCircleDest;
    gfx::Shape myCircleCorrectDest;
    Line myLineBound;
    Line myLineMovement;
    Line myLineMovement1;
    Line myLineMovement2;
    GrabMode myGrab = none;
    gfx::Vector2f myLastCursor;
    // Fitted with the view on every resize.
    ZoomRange myZoomRange;
};
} // namespace gamestates
