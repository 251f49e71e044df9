#pragma once

#include <SFML/Graphics/Color.hpp>

namespace gfx
{
// Red, green, blue and alpha, 0 to 255 each. The product of two colours multiplies channel by
// channel (a * b / 255), which is how a drawable's colour tints the colours of its points.
using Color = sf::Color;
} // namespace gfx
