#include "gfx/RenderImage.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace gfx
{
RenderImage::RenderImage(unsigned int width, unsigned int height, unsigned int antialiasing)
{
    sf::ContextSettings settings;
    settings.antialiasingLevel =
        std::min(antialiasing, sf::RenderTexture::getMaximumAntialiasingLevel());
    if (width == 0 || height == 0 || !myTexture.create(width, height, settings))
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
    return Image::FromNative(myTexture.getTexture().copyToImage());
}
} // namespace gfx
