#include "gfx/View.hpp"

#include <SFML/Graphics/View.hpp>

namespace gfx
{
View::View(const FloatRect& rect)
{
    SetFromRect(rect);
}

View::View(const Vector2f& center, const Vector2f& halfSize)
    : myCenter(center), myHalfSize(halfSize)
{
}

void View::SetCenter(const Vector2f& center)
{
    myCenter = center;
}

void View::SetHalfSize(const Vector2f& halfSize)
{
    myHalfSize = halfSize;
}

void View::SetFromRect(const FloatRect& rect)
{
    myCenter = Vector2f((rect.Left + rect.Right) / 2.f, (rect.Top + rect.Bottom) / 2.f);
    myHalfSize = Vector2f(rect.GetWidth() / 2.f, rect.GetHeight() / 2.f);
}

void View::Move(float dx, float dy)
{
    Move(Vector2f(dx, dy));
}

void View::Move(const Vector2f& offset)
{
    myCenter += offset;
}

void View::Zoom(float factor)
{
    if (factor != 0.f)
    {
        myHalfSize /= factor;
    }
}

FloatRect View::GetRect() const
{
    return FloatRect(myCenter.x - myHalfSize.x, myCenter.y - myHalfSize.y,
                     myCenter.x + myHalfSize.x, myCenter.y + myHalfSize.y);
}

sf::View View::ToNative() const
{
    return sf::View(myCenter, myHalfSize * 2.f);
}
} // namespace gfx
