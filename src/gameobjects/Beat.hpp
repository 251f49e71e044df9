#pragma once

#include "gfx/Color.hpp"

namespace gfx
{
class Drawable;
}

class PulseVariation;

// An object's own colour darkened by a shade pulse: multiplied by the grey (c, c, c, 255) with
// c = 255 * shade truncated toward zero. A shade outside 0 to 1 (or not a number) is held to the
// nearest end, so the grey stays a valid channel value instead of wrapping around.
gfx::Color ApplyShade(const gfx::Color& color, float shade);

// One step of an object that dances to the beat inside its own, fixed transform: advances its
// rotation, shade and scale pulses, in this order, and gives the inner drawable it draws the
// object's own colour shaded, the rotation in degrees and the uniform scale.
void FollowBeat(float elapsedTime, PulseVariation& rotation, PulseVariation& shade,
                PulseVariation& scale, const gfx::Color& ownColor, gfx::Drawable& inner);
