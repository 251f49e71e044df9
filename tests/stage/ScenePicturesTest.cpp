// The scenes as pulsestage-shot draws them, against reference pictures committed under
// tests/pictures/. tests/pictures/cases.txt lists each picture's arguments;
// tools/update-pictures.sh draws the references anew with them, on purpose.
#include "gfx/Image.hpp"
#include "support/Animation.hpp"
#include "support/ChildProcess.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
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

// Whether the picture looks like the expected one: channel differences up to alike count as none.
// When it does not, it leaves the picture in the build directory as name.png, and beside it
// (name.diff.png) the expected picture as a pale grey with every differing pixel in red, the
// brighter the larger its difference.
testing::AssertionResult Alike(const gfx::Image& expected, const gfx::Image& actual,
                               const std::string& name, unsigned int alike = 0)
{
    const fs::path output = PULSESTAGE_PICTURE_OUTPUT;
    const fs::path actualPath = output / (name + ".png");
    const fs::path diffPath = output / (name + ".diff.png");
    fs::remove(actualPath);
    fs::remove(diffPath);
    const unsigned int width = expected.GetWidth();
    const unsigned int height = expected.GetHeight();
    if (width != actual.GetWidth() || height != actual.GetHeight())
    {
        return testing::AssertionFailure()
               << name << " is " << actual.GetWidth() << "x" << actual.GetHeight() << ", not "
               << width << "x" << height;
    }
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
                                 difference <= alike ? gfx::Color(pale, pale, pale, 255)
                                                     : gfx::Color(red, 0, 0, 255));
            differing += difference <= alike ? 0 : 1;
            largest = std::max(largest, difference);
        }
    }
    const auto allowed = static_cast<unsigned int>(MostDifferentPixels * width * height);
    if (differing <= allowed && largest <= LargestChannelDifference)
    {
        return testing::AssertionSuccess();
    }
    fs::create_directories(output);
    actual.SaveToFile(actualPath.string());
    differences.SaveToFile(diffPath.string());
    return testing::AssertionFailure()
           << differing << " pixels differ by more than " << alike << " (at most " << allowed
           << " may), by up to " << largest << " in one channel (at most "
           << LargestChannelDifference << " may).\n  actual: " << actualPath
           << "\n  differences: " << diffPath << " (red)";
}

gfx::Image Load(const fs::path& path)
{
    gfx::Image image;
    EXPECT_TRUE(image.LoadFromFile(path.string())) << path;
    return image;
}

// Runs pulsestage-shot and expects it to succeed.
void Shoot(const std::vector<std::string>& arguments)
{
    testing_support::ChildProcess shot(PULSESTAGE_SHOT_BINARY, arguments);
    EXPECT_EQ(shot.ExitCode(), 0) << shot.Errors();
}

// Draws the picture named first in the arguments and compares it with its reference.
void ExpectLooksLikeReference(std::vector<std::string> arguments)
{
    const std::string name = arguments.front();
    const fs::path actualPath =
        fs::temp_directory_path() / (name + "-" + std::to_string(getpid()) + ".png");
    arguments.erase(arguments.begin());
    arguments.insert(arguments.end(), {"--out", actualPath.string()});
    Shoot(arguments);
    EXPECT_TRUE(Alike(Load(References / (name + ".png")), Load(actualPath), name))
        << "\nIf the scene is meant to look so now: tools/update-pictures.sh";
    fs::remove(actualPath);
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

TEST(ScenePictures, AnAnimationShowsThePicturesOfTheFramesItKeepsForTheirTimeAndLoops)
{
    // Seven frames of 1/60 s, every second one kept and the last: frames 2, 4, 6 and 7, which end
    // at 3.3, 6.7, 10 and 11.7 hundredths of a second, so 12 hundredths in all (each delay
    // rounded on its own would add up to 3 + 3 + 3 + 2 = 11).
    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-gif-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::vector<std::string> scene{"--scene", "main", "--size", "320x200"};
    const auto shoot = [&](std::vector<std::string> more)
    {
        more.insert(more.begin(), scene.begin(), scene.end());
        Shoot(more);
    };
    shoot({"--frames", "7", "--every", "2", "--gif", (folder / "seven.gif").string()});
    shoot({"--frames", "2", "--out", (folder / "two.png").string()});
    shoot({"--frames", "7", "--out", (folder / "seven.png").string()});

    const testing_support::Animation animation =
        testing_support::ReadAnimation(folder / "seven.gif");
    ASSERT_EQ(animation.Frames.size(), 4u);
    EXPECT_EQ(animation.Hundredths, 12);
    EXPECT_TRUE(animation.LoopsForever);
    // A GIF has 255 colours: the scene's colours come out up to 33 off (measured); a frame before
    // or after the one expected is off by more than 64 in some 2 % of the pixels.
    constexpr unsigned int PaletteRounding = 48;
    EXPECT_TRUE(
        Alike(Load(folder / "two.png"), animation.Frames.front(), "gif-first", PaletteRounding));
    EXPECT_TRUE(
        Alike(Load(folder / "seven.png"), animation.Frames.back(), "gif-last", PaletteRounding));
    fs::remove_all(folder);
}
