#include "gfx/RenderImage.hpp"

#include "gfx/SfmlAdapter.hpp"

#include <SFML/OpenGL.hpp>
#include <algorithm>
#include <cstring>
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

Image RenderImage::CopyToImage()
{
    Image image;
    CopyToImage(image);
    return image;
}

// Read straight from OpenGL into storage that is kept: SFML's copyToImage allocates and clears
// the picture three times over, which took a capture at 1024 x 600 about 19 ms a frame.
void RenderImage::CopyToImage(Image& image)
{
    if (!myTexture.setActive(true))
    {
        throw std::runtime_error("cannot read the off-screen image back");
    }
    // SFML remembers which texture it bound last: the binding is put back as it was.
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, myTexture.getTexture().getNativeHandle());
    // A driver that needs sides of powers of two makes the texture larger than the target; the
    // picture then lies in its first rows and columns.
    GLint textureWidth = 0;
    GLint textureHeight = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &textureWidth);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &textureHeight);
    myReadBack.resize(std::size_t{4} * static_cast<std::size_t>(textureWidth) *
                      static_cast<std::size_t>(textureHeight));
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, myReadBack.data());
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));

    // OpenGL counts rows from the bottom.
    const unsigned int width = GetWidth();
    const unsigned int height = GetHeight();
    const std::size_t row = std::size_t{4} * width;
    const std::size_t textureRow = std::size_t{4} * static_cast<std::size_t>(textureWidth);
    image.myWidth = width;
    image.myHeight = height;
    image.myPixels.resize(row * height);
    image.myTextureStale = true;
    for (unsigned int y = 0; y < height; ++y)
    {
        std::memcpy(&image.myPixels[y * row], &myReadBack[(height - 1 - y) * textureRow], row);
    }
}
} // namespace gfx
