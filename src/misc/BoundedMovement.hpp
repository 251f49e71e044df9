#pragma once

#include "gfx/Vector2.hpp"
#include "misc/math_utils.hpp"

#include <algorithm>
#include <cmath>

// The geometry of a round body that moves from a start point by a movement vector towards a
// one-sided boundary segment, which may stop it. Screen coordinates: y grows downwards.
class BoundedMovement
{
public:
    // Whether pos lies strictly inside the circle: a point on its outline is outside.
    static bool CircleContains(gfx::Vector2f circlePos, float radius, gfx::Vector2f pos)
    {
        const gfx::Vector2f diff = circlePos - pos;
        return diff.x * diff.x + diff.y * diff.y < radius * radius;
    }

    // A common point is s1 + k·p = s2 + m·q with p = e1 - s1, q = e2 - s2 and both k and m in
    // [0, 1]; the ends are included, so segments that only touch intersect. Parallel segments never
    // intersect, not even collinear overlapping ones.
    static bool DoLinesIntersect(gfx::Vector2f s1, gfx::Vector2f e1, gfx::Vector2f s2,
                                 gfx::Vector2f e2)
    {
        const gfx::Vector2f p = e1 - s1;
        const gfx::Vector2f q = e2 - s2;
        if (p.x != 0.f)
        {
            // The x components give k = (s2.x + m·q.x - s1.x) / p.x. Put into the y components:
            //   s1.y + (s2.x + m·q.x - s1.x)·p.y/p.x = s2.y + m·q.y
            //   m·(q.x·p.y/p.x - q.y) = (s2.y - s1.y) - (s2.x - s1.x)·p.y/p.x
            // and a = q.x·p.y/p.x - q.y vanishes exactly when q is parallel to p.
            const float a = q.x * p.y / p.x - q.y;
            if (a == 0.f)
            {
                return false;
            }
            const float m = ((s2.y - s1.y) - (s2.x - s1.x) * p.y / p.x) / a;
            if (!InUnitRange(m))
            {
                return false;
            }
            const float k = (s2.x + q.x * m - s1.x) / p.x;
            return InUnitRange(k);
        }
        // The first segment is vertical or a point: its x components say s1.x = s2.x + m·q.x, which
        // fixes m unless q is vertical too (parallel); the y components
        // s1.y + k·p.y = s2.y + m·q.y then give k unless the first segment is a single point.
        if (q.x == 0.f)
        {
            return false;
        }
        const float m = (s1.x - s2.x) / q.x;
        if (!InUnitRange(m))
        {
            return false;
        }
        if (p.y == 0.f)
        {
            return false;
        }
        const float k = (s2.y + q.y * m - s1.y) / p.y;
        return InUnitRange(k);
    }

    // Where a body of radius r that starts at s and moves by v must stop, given the boundary from
    // pl1 to pl2; previous where no pull-back can help (a movement along the boundary). The result
    // may be infinite or not a number for coordinates near the float limit.
    // The boundary stops the body only from its front, the side its normal ng0 points to (the
    // right-hand side of the way from P1 to P2 on screen). The body stops where its centre is the
    // radius r in front of the boundary's line; the band test uses the boundary as a segment, the
    // distance tests its infinite line.
    static gfx::Vector2f CorrectDestination(gfx::Vector2f s, gfx::Vector2f v, gfx::Vector2f pl1,
                                            gfx::Vector2f pl2, float r, gfx::Vector2f previous)
    {
        const gfx::Vector2f z = s + v;
        const float length = MathUtils::VectorLen(v);
        gfx::Vector2f ng0(0.f, 0.f);
        gfx::Vector2f nh0(0.f, 0.f);
        if (length == 0.f || !MathUtils::ComputeNormal(pl1, pl2, ng0) ||
            !MathUtils::ComputeNormal(s, z, nh0))
        {
            return z;
        }
        const gfx::Vector2f u = v / length;

        // The body sweeps the band between s ± r·nh0 and z ± r·nh0, and its front reaches r beyond
        // z: edge A is s + r·nh0 to z + r·u + r·nh0, edge B the same on the other side.
        const bool bandMeetsBoundary =
            DoLinesIntersect(s + nh0 * r, z + u * r + nh0 * r, pl1, pl2) ||
            DoLinesIntersect(s - nh0 * r, z + u * r - nh0 * r, pl1, pl2);
        // ng0 is a unit vector, so a dot product with it is a signed distance along it: d is how
        // far z lies in front of the boundary's line.
        const float d = MathUtils::DotProduct(z - pl2, ng0);
        const bool headsToFront = MathUtils::DotProduct(v, ng0) > 0.f;
        const bool startsBehind = MathUtils::DotProduct(s - pl2, ng0) < 0.f;
        if (!bandMeetsBoundary || headsToFront || startsBehind || d >= r)
        {
            return z;
        }

        // v·b = |v|·|b|·cos(alpha) for the boundary's direction b = pl2 - pl1, and sin(alpha) =
        // sqrt(1 - cos²(alpha)) is not negative for the angle alpha between the two.
        const gfx::Vector2f b = pl2 - pl1;
        const float cosAlpha =
            MathUtils::DotProduct(v, b) / (MathUtils::VectorLen(b) * MathUtils::VectorLen(v));
        // Rounding can push |cosAlpha| just above 1 when the movement runs almost along the
        // boundary. That movement is as good as parallel, so it is treated as parallel: sinAlpha 0.
        const float sinAlpha = static_cast<float>(
            std::sqrt(static_cast<double>(std::max(0.f, 1.f - cosAlpha * cosAlpha))));
        if (sinAlpha == 0.f)
        {
            // Moving parallel never changes the distance from the line, so no pull-back helps:
            // the corrected destination stays where the last computation put it.
            return previous;
        }
        // u makes the angle alpha with the line and heads to its back, so pulling z back by x along
        // u moves it x·sin(alpha) further to the front: x·sin(alpha) = r - d leaves the centre
        // exactly r in front of the line. If the start itself is closer than r, x exceeds |v| and
        // the body is pushed back out.
        const float x = (r - d) / sinAlpha;
        return z - u * x;
    }

private:
    // False for NaN as well.
    static bool InUnitRange(float t) { return t >= 0.f && t <= 1.f; }
};
