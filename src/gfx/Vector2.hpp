#pragma once

#include <SFML/System/Vector2.hpp>

namespace gfx
{
// Two floats with component-wise + and -, unary minus, and * and / by a scalar.
using Vector2f = sf::Vector2f;
} // namespace gfx
