#pragma once

#include <ostream>

namespace gfx
{
// The one channel through which the graphics layer, and every layer above it, reports a problem
// it carries on after, as SFML reports its own through sf::err(): one line a problem, without a
// program's name. It writes to standard error until a program gives it a buffer of its own, to
// put its name in front of each line or to send the lines elsewhere.
std::ostream& Err();
} // namespace gfx
