#pragma once

#include "gfx/Vector2.hpp"
#include "gfx/View.hpp"

// How far the user may zoom a view away from the size it was fitted to the window with: its half
// size stays within 1/1000 and 1000 times the fitted one. Much further in, neighbouring pixels map
// to the same float and the drawing breaks up; much further out, a single drag carries things
// towards the float limit. A zoom step that would leave the range is dropped whole, never clamped
// on one axis, so the view keeps its aspect ratio.
class ZoomRange
{
public:
    // The half size the view has when it fits the window; a view zooms about this size until the
    // next fit.
    void Fit(const gfx::Vector2f& halfSize) { myFitted = halfSize; }

    // Zooms the view by the factor as gfx::View::Zoom does, unless that takes its half size out
    // of the range. A factor of zero or below never passes: it would leave a view infinitely large
    // or mirrored.
    void Zoom(gfx::View& view, float factor) const
    {
        gfx::View zoomed = view;
        zoomed.Zoom(factor);
        const gfx::Vector2f halfSize = zoomed.GetHalfSize();
        if (factor > 0.f && Holds(halfSize.x, myFitted.x) && Holds(halfSize.y, myFitted.y))
        {
            view = zoomed;
        }
    }

private:
    static constexpr float Limit = 1000.f;

    // False for NaN as well.
    static bool Holds(float halfSize, float fitted)
    {
        return halfSize >= fitted / Limit && halfSize <= fitted * Limit;
    }

    gfx::Vector2f myFitted;
};
