#pragma once

#include "gfx/Image.hpp"
#include "gfx/RenderTarget.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

namespace gfx
{
// An off-screen render target whose pixels can be read back. It needs a display like any
// OpenGL target.
class RenderImage final : public RenderTarget
{
public:
    // Asks for at most the antialiasing level the system supports (a software GL refuses to
    // create a target asked for more), and at most 4: off-screen pictures are the ones that must
    // come out the same everywhere, and Mesa's software rasteriser, which grants 4 up to Mesa 25,
    // grants 8 from Mesa 26 on and shades every slanted edge differently with them. Throws
    // std::runtime_error when the target cannot be created.
    RenderImage(unsigned int width, unsigned int height, unsigned int antialiasing = 0);

    // Finishes the frame; call it before reading the pixels.
    void Display();
    Image CopyToImage() const;

protected:
    sf::RenderTarget& GetNative() override { return myTexture; }
    const sf::RenderTarget& GetNative() const override { return myTexture; }

private:
    sf::RenderTexture myTexture;
};
} // namespace gfx
