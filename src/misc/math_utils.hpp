#pragma once

#include "gfx/Drawable.hpp"
#include "gfx/Shape.hpp"
#include "gfx/Vector2.hpp"

#include <cmath>

// 2D vector helpers shared by the lines and the scenes. Screen coordinates: y grows downwards.
class MathUtils
{
public:
    // Writes the unit normal of the direction d = P2 - P1, (-d.y, d.x) / |d|: d turned a quarter
    // turn clockwise on screen, so a segment running to the right has its normal pointing down.
    // For P1 == P2 there is no direction: Normal is left at (0, 0) and the result is false.
    static bool ComputeNormal(const gfx::Vector2f& P1, const gfx::Vector2f& P2,
                              gfx::Vector2f& Normal)
    {
        Normal.x = P1.y - P2.y;
        Normal.y = P2.x - P1.x;
        const float length = std::sqrt(Normal.x * Normal.x + Normal.y * Normal.y);
        if (length == 0.f)
        {
            return false;
        }
        Normal.x /= length;
        Normal.y /= length;
        return true;
    }

    static float DotProduct(gfx::Vector2f a, gfx::Vector2f b) { return a.x * b.x + a.y * b.y; }

    static float VectorLen(gfx::Vector2f a)
    {
        return static_cast<float>(std::sqrt(static_cast<double>(a.x * a.x + a.y * a.y)));
    }

    // The shape's points mapped from local's frame into the global frame, so that the returned
    // shape, drawn with an identity transform, lands where local would have drawn the given one.
    // The outline width scales with the mean of local's two scale factors. local must not be
    // null.
    static gfx::Shape TransformShapeFromLocal(gfx::Shape shape, gfx::Drawable* local)
    {
        for (unsigned int i = 0; i < shape.GetNbPoints(); ++i)
        {
            shape.SetPointPosition(i, local->TransformToGlobal(shape.GetPointPosition(i)));
        }
        const gfx::Vector2f scale = local->GetScale();
        shape.SetOutlineWidth(
            static_cast<float>(shape.GetOutlineWidth() * (scale.x + scale.y) / 2.0));
        return shape;
    }
};
