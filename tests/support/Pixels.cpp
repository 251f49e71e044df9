#include "support/Pixels.hpp"

#include "gfx/RenderImage.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace testing_support
{
namespace
{
// Runs on one machine give identical pictures, and so do the plain and the sanitizer build;
// other graphics drivers may place the edge pixels of shapes and letters differently by a shade.
// A change of a scene moves or recolours far more pixels.
constexpr double MostDifferentPixels = 0.002;
constexpr int LargestChannelDifference = 64;

int Difference(const gfx::Color& a, const gfx::Color& b)
{
    return std::max(
        {std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
}
} // namespace

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

testing::AssertionResult Alike(const gfx::Image& expected, const gfx::Image& actual,
                               const std::string& name, int alike)
{
    const unsigned int width = expected.GetWidth();
    const unsigned int height = expected.GetHeight();
    if (width != actual.GetWidth() || height != actual.GetHeight())
    {
        return testing::AssertionFailure()
               << name << " is " << actual.GetWidth() << "x" << actual.GetHeight() << ", not "
               << width << "x" << height;
    }
    unsigned int differing = 0;
    int largest = 0;
    for (unsigned int y = 0; y < height; ++y)
    {
        for (unsigned int x = 0; x < width; ++x)
        {
            const int difference = Difference(expected.GetPixel(x, y), actual.GetPixel(x, y));
            differing += difference <= alike ? 0 : 1;
            largest = std::max(largest, difference);
        }
    }
    const auto allowed = static_cast<unsigned int>(MostDifferentPixels * width * height);
    if (differing <= allowed && largest <= LargestChannelDifference)
    {
        return testing::AssertionSuccess();
    }
    const std::filesystem::path output = PULSESTAGE_PICTURE_OUTPUT;
    std::filesystem::create_directories(output);
    actual.SaveToFile((output / (name + ".png")).string());
    return testing::AssertionFailure()
           << differing << " pixels differ by more than " << alike << " (at most " << allowed
           << " may), by up to " << largest << " in one channel (at most "
           << LargestChannelDifference << " may).\n  actual: " << output / (name + ".png");
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
