#pragma once

namespace gfx
{
// An axis-aligned rectangle given by its edges, as views and text bounds are described here
// (SFML 2's own rectangles store left, top, width and height instead).
struct FloatRect
{
    float Left = 0.f;
    float Top = 0.f;
    float Right = 0.f;
    float Bottom = 0.f;

    FloatRect() = default;
    FloatRect(float left, float top, float right, float bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom)
    {
    }

    float GetWidth() const { return Right - Left; }
    float GetHeight() const { return Bottom - Top; }
};
} // namespace gfx
