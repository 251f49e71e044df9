#pragma once

#include "gfx/FloatRect.hpp"
#include "gfx/String.hpp"

// Text that can tell its extent in its own frame, so that an owner can put the text's centre in
// its middle and have it turn and scale about that point.
class MyString : public gfx::String
{
public:
    explicit MyString(const std::string& Text,
                      const gfx::Font& CharFont = gfx::Font::GetDefaultFont(), float Size = 30.0f);

    // The glyphs' bounding rectangle in the text's own frame: unchanged by the text's position,
    // scale, rotation and centre.
    gfx::FloatRect GetLocalRect() const;
    gfx::Vector2f GetLocalSize() const;
};
