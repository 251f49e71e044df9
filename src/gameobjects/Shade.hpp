#pragma once

#include "gfx/Color.hpp"

// An object's own colour darkened by a shade pulse: multiplied by the grey (c, c, c, 255) with
// c = 255 * shade truncated toward zero. A shade outside 0 to 1 (or not a number) is held to the
// nearest end, so the grey stays a valid channel value instead of wrapping around.
gfx::Color ApplyShade(const gfx::Color& color, float shade);
