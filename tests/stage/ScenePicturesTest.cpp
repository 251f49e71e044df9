// The scenes as pulsestage-shot draws them, against reference pictures committed under
// tests/pictures/. tests/pictures/cases.txt lists each picture's arguments;
// tools/update-pictures.sh draws the references anew with them, on purpose.
#include "gfx/Image.hpp"
#include "support/ChildProcess.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Runs on one machine give identical pictures, and so do the plain and the sanitizer build;
// other graphics drivers may place the edge pixels of shapes and letters differently by a shade.
// A change of the scene moves or recolours far more pixels.
constexpr double MostDifferentPixels = 0.002; // share of the picture
constexpr unsigned int LargestChannelDifference = 64;

const fs::path References = "tests/pictures";

// Draws the picture named first in the arguments and compares it with its reference. When they
// differ, it leaves what it drew in the build directory, and beside it the reference as a pale
// grey with every differing pixel in red, the brighter the larger its difference.
void ExpectLooksLikeReference(std::vector<std::string> arguments)
{
    const fs::path output = PULSESTAGE_PICTURE_OUTPUT;
    const fs::path actualPath = output / (arguments.front() + ".png");
    const fs::path diffPath = output / (arguments.front() + ".diff.png");
    const fs::path referencePath = References / (arguments.front() + ".png");
    fs::create_directories(output);
    fs::remove(actualPath);
    fs::remove(diffPath);
    arguments.erase(arguments.begin());
    arguments.insert(arguments.end(), {"--out", actualPath.string()});
    testing_support::ChildProcess shot(PULSESTAGE_SHOT_BINARY, arguments);
    ASSERT_EQ(shot.ExitCode(), 0) << shot.Errors();

    gfx::Image expected;
    gfx::Image actual;
    ASSERT_TRUE(expected.LoadFromFile(referencePath.string()));
    ASSERT_TRUE(actual.LoadFromFile(actualPath.string()));
    const unsigned int width = expected.GetWidth();
    const unsigned int height = expected.GetHeight();
    ASSERT_TRUE(width == actual.GetWidth() && height == actual.GetHeight())
        << actualPath << " is " << actual.GetWidth() << "x" << actual.GetHeight();
    gfx::Image differences(width, height);
    unsigned int differing = 0;
    unsigned int largest = 0;
    for (unsigned int y = 0; y < height; ++y)
    {
        for (unsigned int x = 0; x < width; ++x)
        {
            const gfx::Color a = expected.GetPixel(x, y);
            const gfx::Color b = actual.GetPixel(x, y);
            const auto apart = [](int p, int q)
            { return static_cast<unsigned int>(std::abs(p - q)); };
            const unsigned int difference =
                std::max({apart(a.r, b.r), apart(a.g, b.g), apart(a.b, b.b), apart(a.a, b.a)});
            // Even the least difference shows, as half red.
            const auto red = static_cast<unsigned char>(std::min(255u, 128 + difference));
            const auto pale = static_cast<unsigned char>(192 + (a.r + a.g + a.b) / 12);
            differences.SetPixel(x, y,
                                 difference == 0 ? gfx::Color(pale, pale, pale, 255)
                                                 : gfx::Color(red, 0, 0, 255));
            differing += difference == 0 ? 0 : 1;
            largest = std::max(largest, difference);
        }
    }
    const auto allowed = static_cast<unsigned int>(MostDifferentPixels * width * height);
    if (differing > allowed || largest > LargestChannelDifference)
    {
        differences.SaveToFile(diffPath.string());
        ADD_FAILURE() << differing << " pixels differ (at most " << allowed << " may), by up to "
                      << largest << " in one channel (at most " << LargestChannelDifference
                      << " may).\n  actual: " << actualPath << "\n  differences: " << diffPath
                      << " (red)\nIf the scene is meant to look so now: tools/update-pictures.sh";
    }
}
} // namespace

TEST(ScenePictures, EveryListedPictureLooksLikeItsReference)
{
    std::ifstream cases(References / "cases.txt");
    int checked = 0;
    for (std::string line; std::getline(cases, line);)
    {
        std::istringstream words(line);
        const std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
        if (!arguments.empty() && arguments.front().front() != '#')
        {
            SCOPED_TRACE(arguments.front());
            ExpectLooksLikeReference(arguments);
            ++checked;
        }
    }
    EXPECT_GE(checked, 4) << "tests/pictures/cases.txt lists every reference picture";
}
