#pragma once

#include "gfx/Color.hpp"

#include <SFML/Graphics/Image.hpp>
#include <memory>
#include <string>

namespace sf
{
class Texture;
}

namespace gfx
{
// A picture whose pixels stay readable (GetPixel) after it is loaded. The texture that sprites
// draw is made from the pixels on first use, which needs a display; loading and reading pixels
// do not.
//
// A small file can declare a picture of gigabytes, so loading reads the file's header first and
// decodes only PNG, GIF, BMP and JPEG pictures of at most 16384 pixels a side and 64 MiB of
// pixels. The side is the largest texture side of current drivers, Mesa's software one among
// them; the driver's own limit can only be asked with a display, which loading does without. A
// picture within these bounds that the driver still cannot hold fails when its texture is made.
class Image
{
public:
    Image();
    Image(unsigned int width, unsigned int height, const Color& color = Color(0, 0, 0, 255));
    ~Image();
    // A copy of SFML's pixels.
    static Image FromNative(const sf::Image& pixels);
    Image(Image&&) noexcept;
    Image& operator=(Image&&) noexcept;

    // On failure the image is left empty (0 x 0) and one line on Err() says why: ours for a file
    // refused before decoding, SFML's for one that fails to decode.
    bool LoadFromFile(const std::string& path);
    bool SaveToFile(const std::string& path) const;
    void Create(unsigned int width, unsigned int height, const Color& color);

    unsigned int GetWidth() const;
    unsigned int GetHeight() const;
    // Transparent black outside the picture.
    Color GetPixel(unsigned int x, unsigned int y) const;
    void SetPixel(unsigned int x, unsigned int y, const Color& color);
    // Smooth images are filtered when scaled or turned; images start smooth.
    void SetSmooth(bool smooth);

    // The texture for drawing; null for an empty image and for one the driver cannot hold. SFML
    // says why on standard error, once: a failed texture is tried again only after the pixels or
    // the smoothing change. A texture still shared, by a target's batch that has not drawn it yet,
    // keeps the pixels and smoothing it was drawn with: a change goes into a texture of its own.
    std::shared_ptr<const sf::Texture> GetTexture() const;

private:
    sf::Image myPixels;
    bool mySmooth = true;
    mutable std::shared_ptr<sf::Texture> myTexture;
    mutable bool myTextureStale = true;
};
} // namespace gfx
