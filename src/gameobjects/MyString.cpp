#include "gameobjects/MyString.hpp"

MyString::MyString(const std::string& Text, const gfx::Font& CharFont, float Size)
    : gfx::String(Text, CharFont, Size)
{
}

gfx::FloatRect MyString::GetLocalRect() const
{
    return GetLocalBounds();
}

gfx::Vector2f MyString::GetLocalSize() const
{
    const gfx::FloatRect rect = GetLocalRect();
    return gfx::Vector2f(rect.Right - rect.Left, rect.Bottom - rect.Top);
}
