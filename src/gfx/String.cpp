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
    AlignLetters();
}

void String::SetSize(float size)
{
    mySize = size;
    myNative.setCharacterSize(static_cast<unsigned int>(std::lround(std::max(size, 0.f))));
    AlignLetters();
}

FloatRect String::GetLocalBounds() const
{
    const sf::FloatRect bounds = myNative.getLocalBounds();
    return FloatRect(0.f, 0.f, bounds.width, bounds.height);
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

// SFML 2 sets the letters below and right of the text's origin, by an offset that depends on the
// letters and the size (about (3, 7) for "Hallo" at size 30). Drawing the native text shifted
// back by it puts the letters' top-left on the origin, so that half the local size, where owners
// put the centre, is the middle of the letters.
void String::AlignLetters()
{
    const sf::FloatRect bounds = myNative.getLocalBounds();
    myNative.setPosition(-bounds.left, -bounds.top);
}

void String::Render(RenderTarget& target) const
{
    myNative.setFillColor(GetColor());
    target.DrawNative(myNative);
}
} // namespace gfx
