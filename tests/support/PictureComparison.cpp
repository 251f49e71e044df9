#include "support/PictureComparison.hpp"

#include <algorithm>
#include <cstdlib>

namespace testing_support
{
namespace
{
unsigned int ChannelDifference(const gfx::Color& a, const gfx::Color& b)
{
    const auto apart = [](unsigned char x, unsigned char y)
    { return static_cast<unsigned int>(std::abs(int(x) - int(y))); };
    return std::max({apart(a.r, b.r), apart(a.g, b.g), apart(a.b, b.b), apart(a.a, b.a)});
}

// The expected pixel as a pale grey, so that the differences stand out.
gfx::Color Faded(const gfx::Color& color)
{
    const int grey = (color.r + color.g + color.b) / 3;
    const auto pale = static_cast<unsigned char>(192 + grey / 4);
    return gfx::Color(pale, pale, pale, 255);
}
} // namespace

PictureDifference ComparePictures(const gfx::Image& expected, const gfx::Image& actual)
{
    PictureDifference result;
    result.SameSize =
        expected.GetWidth() == actual.GetWidth() && expected.GetHeight() == actual.GetHeight();
    if (!result.SameSize)
    {
        return result;
    }
    result.Picture.Create(expected.GetWidth(), expected.GetHeight(), gfx::Color(0, 0, 0, 255));
    for (unsigned int y = 0; y < expected.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < expected.GetWidth(); ++x)
        {
            const unsigned int difference =
                ChannelDifference(expected.GetPixel(x, y), actual.GetPixel(x, y));
            if (difference == 0)
            {
                result.Picture.SetPixel(x, y, Faded(expected.GetPixel(x, y)));
                continue;
            }
            ++result.DifferentPixels;
            result.LargestChannelDifference = std::max(result.LargestChannelDifference, difference);
            // Even the smallest difference must show: start at half red.
            const auto red = static_cast<unsigned char>(std::min(255u, 128 + difference));
            result.Picture.SetPixel(x, y, gfx::Color(red, 0, 0, 255));
        }
    }
    return result;
}
} // namespace testing_support
