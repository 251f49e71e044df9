#include "support/Pixels.hpp"

#include "gfx/RenderImage.hpp"

namespace testing_support
{
gfx::Image RenderOffscreen(unsigned int width, unsigned int height,
                           const std::function<void(gfx::RenderTarget&)>& draw)
{
    gfx::RenderImage target(width, height);
    target.Clear(gfx::Color(255, 255, 255, 255));
    draw(target);
    target.Display();
    return target.CopyToImage();
}

unsigned int CountPixels(const gfx::Image& image, const gfx::Color& color)
{
    unsigned int count = 0;
    for (unsigned int y = 0; y < image.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < image.GetWidth(); ++x)
        {
            count += image.GetPixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}
} // namespace testing_support

namespace sf
{
void PrintTo(const Color& color, std::ostream* out)
{
    *out << "(" << int(color.r) << ", " << int(color.g) << ", " << int(color.b) << ", "
         << int(color.a) << ")";
}
} // namespace sf
