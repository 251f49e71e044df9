#include "gfx/RenderImage.hpp"

#include "gfx/SfmlAdapter.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace gfx
{
namespace
{
constexpr unsigned int LargestAntialiasing = 4;
} // namespace

RenderImage::RenderImage(unsigned int width, unsigned int height, unsigned int antialiasing)
{
    if (width == 0 || height == 0 ||
        !SfmlAdapter::CreateTarget(myTexture, width, height,
                                   std::min(antialiasing, LargestAntialiasing)))
    {
        throw std::runtime_error("cannot create an off-screen image of " + std::to_string(width) +
                                 " x " + std::to_string(height) + " pixels");
    }
    SetView(View(FloatRect(0.f, 0.f, static_cast<float>(width), static_cast<float>(height))));
}

void RenderImage::Display()
{
    Flush();
    myTexture.display();
}

Image RenderImage::CopyToImage() const
{
    const sf::Image pixels = myTexture.getTexture().copyToImage();
    Image image(pixels.getSize().x, pixels.getSize().y);
    for (unsigned int y = 0; y < pixels.getSize().y; ++y)
    {
        for (unsigned int x = 0; x < pixels.getSize().x; ++x)
        {
            image.SetPixel(x, y, SfmlAdapter::GetPixel(pixels, x, y));
        }
    }
    return image;
}
} // namespace gfx
