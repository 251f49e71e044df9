#pragma once

#include "gfx/FloatRect.hpp"
#include "gfx/Vector2.hpp"

namespace sf
{
class View;
}

namespace gfx
{
// The part of the scene that a render target shows, given by its centre and half size; it always
// fills the whole target.
class View
{
public:
    explicit View(const FloatRect& rect = FloatRect(0.f, 0.f, 1000.f, 1000.f));
    View(const Vector2f& center, const Vector2f& halfSize);

    void SetCenter(const Vector2f& center);
    void SetHalfSize(const Vector2f& halfSize);
    void SetFromRect(const FloatRect& rect);
    void Move(float dx, float dy);
    void Move(const Vector2f& offset);
    // Divides the half size by factor: a factor above 1 magnifies. A factor of 0 is ignored,
    // since it would make the view infinitely large.
    void Zoom(float factor);

    const Vector2f& GetCenter() const { return myCenter; }
    const Vector2f& GetHalfSize() const { return myHalfSize; }
    FloatRect GetRect() const;

    sf::View ToNative() const;

private:
    Vector2f myCenter;
    Vector2f myHalfSize;
};
} // namespace gfx
