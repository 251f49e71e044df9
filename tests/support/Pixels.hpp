#pragma once

#include "gfx/Color.hpp"
#include "gfx/Image.hpp"

#include <functional>
#include <ostream>

namespace gfx
{
class RenderTarget;
}

namespace testing_support
{
// Draws into a fresh off-screen image of the given size (cleared to opaque white, view one unit
// per pixel) and reads the pixels back.
gfx::Image RenderOffscreen(unsigned int width, unsigned int height,
                           const std::function<void(gfx::RenderTarget&)>& draw);

// How many pixels of the image have exactly this colour.
unsigned int CountPixels(const gfx::Image& image, const gfx::Color& color);
} // namespace testing_support

namespace sf
{
// Lets gtest print colours in failure messages.
void PrintTo(const Color& color, std::ostream* out);
} // namespace sf
