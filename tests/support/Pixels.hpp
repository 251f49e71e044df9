#pragma once

#include "gfx/Color.hpp"
#include "gfx/Image.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

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

// Whether the picture looks like the expected one: at most 0.2 % of its pixels differ by more than
// alike in a channel, none by more than 64 (a picture of fewer than 500 pixels must match within
// alike). When it does not, it leaves the picture in the build folder's pictures/ as name.png.
testing::AssertionResult Alike(const gfx::Image& expected, const gfx::Image& actual,
                               const std::string& name, int alike = 0);
} // namespace testing_support

namespace sf
{
// Lets gtest print colours in failure messages.
void PrintTo(const Color& color, std::ostream* out);
} // namespace sf
