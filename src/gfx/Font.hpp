#pragma once

#include <SFML/Graphics/Font.hpp>

namespace gfx
{
// A typeface for text. The default one, DejaVu Sans, is compiled into the program.
class Font
{
public:
    static const Font& GetDefaultFont();

    const sf::Font& GetNative() const { return myFont; }

private:
    Font() = default;

    sf::Font myFont;
};
} // namespace gfx
