#include "gfx/String.hpp"

#include "gfx/RenderTarget.hpp"

#include <algorithm>
#include <cmath>

namespace gfx
{
String::String(const std::string& text, const Font& font, float size) : mySize(size)
{
    myNative.setFont(font.GetNative());
    SetSize(size);
    SetText(text);
}

void String::SetText(const std::string& text)
{
    myText = text;
    myNative.setString(sf::String::fromUtf8(text.begin(), text.end()));
}

void String::SetSize(float size)
{
    mySize = size;
    myNative.setCharacterSize(static_cast<unsigned int>(std::lround(std::max(size, 0.f))));
}

FloatRect String::GetLocalBounds() const
{
    const sf::FloatRect bounds = myNative.getLocalBounds();
    return FloatRect(bounds.left, bounds.top, bounds.left + bounds.width,
                     bounds.top + bounds.height);
}

FloatRect String::GetRect() const
{
    const FloatRect local = GetLocalBounds();
    const Vector2f corners[] = {TransformToGlobal(Vector2f(local.Left, local.Top)),
                                TransformToGlobal(Vector2f(local.Right, local.Top)),
                                TransformToGlobal(Vector2f(local.Right, local.Bottom)),
                                TransformToGlobal(Vector2f(local.Left, local.Bottom))};
    FloatRect rect(corners[0].x, corners[0].y, corners[0].x, corners[0].y);
    for (const Vector2f& corner : corners)
    {
        rect.Left = std::min(rect.Left, corner.x);
        rect.Top = std::min(rect.Top, corner.y);
        rect.Right = std::max(rect.Right, corner.x);
        rect.Bottom = std::max(rect.Bottom, corner.y);
    }
    return rect;
}

void String::Render(RenderTarget& target) const
{
    myNative.setFillColor(GetColor());
    target.DrawNative(myNative);
}
} // namespace gfx
