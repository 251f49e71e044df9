#include "gfx/Image.hpp"

#include <SFML/Graphics/Texture.hpp>

namespace gfx
{
Image::Image() = default;

Image::Image(unsigned int width, unsigned int height, const Color& color)
{
    Create(width, height, color);
}

Image::~Image() = default;
Image::Image(Image&&) noexcept = default;
Image& Image::operator=(Image&&) noexcept = default;

bool Image::LoadFromFile(const std::string& path)
{
    myTextureStale = true;
    if (myPixels.loadFromFile(path))
    {
        return true;
    }
    myPixels = sf::Image();
    return false;
}

bool Image::SaveToFile(const std::string& path) const
{
    return myPixels.saveToFile(path);
}

void Image::Create(unsigned int width, unsigned int height, const Color& color)
{
    myPixels.create(width, height, color);
    myTextureStale = true;
}

unsigned int Image::GetWidth() const
{
    return myPixels.getSize().x;
}

unsigned int Image::GetHeight() const
{
    return myPixels.getSize().y;
}

Color Image::GetPixel(unsigned int x, unsigned int y) const
{
    if (x >= GetWidth() || y >= GetHeight())
    {
        return Color(0, 0, 0, 0);
    }
    return myPixels.getPixel(x, y);
}

void Image::SetPixel(unsigned int x, unsigned int y, const Color& color)
{
    if (x < GetWidth() && y < GetHeight())
    {
        myPixels.setPixel(x, y, color);
        myTextureStale = true;
    }
}

void Image::SetSmooth(bool smooth)
{
    mySmooth = smooth;
    if (myTexture)
    {
        myTexture->setSmooth(smooth);
    }
}

const sf::Texture* Image::GetTexture() const
{
    if (GetWidth() == 0 || GetHeight() == 0)
    {
        return nullptr;
    }
    if (myTextureStale)
    {
        if (!myTexture)
        {
            myTexture = std::make_unique<sf::Texture>();
        }
        if (!myTexture->loadFromImage(myPixels))
        {
            myTexture.reset();
            return nullptr;
        }
        myTexture->setSmooth(mySmooth);
        myTextureStale = false;
    }
    return myTexture.get();
}
} // namespace gfx
