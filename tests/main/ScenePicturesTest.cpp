// The scenes as pulsestage-shot draws them, against reference pictures committed under
// tests/pictures/. tests/pictures/cases.txt lists each picture's arguments;
// tools/update-pictures.sh draws the references anew with them, on purpose.
#include "gfx/Image.hpp"
#include "support/ChildProcess.hpp"
#include "support/PictureComparison.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using testing_support::ChildProcess;
using testing_support::ComparePictures;

namespace
{
namespace fs = std::filesystem;

// The tolerance. Runs on one machine give identical pictures, and so do the plain and the
// sanitizer build; other graphics drivers may place the edge pixels of shapes and letters
// differently by a shade. A change of the scene moves or recolours far more pixels.
constexpr double MostDifferentPixels = 0.002; // share of the picture
constexpr unsigned int LargestChannelDifference = 64;

const fs::path References = "tests/pictures";

std::vector<std::string> ArgumentsOf(const std::string& name)
{
    std::ifstream cases(References / "cases.txt");
    std::string line;
    while (std::getline(cases, line))
    {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == name)
        {
            std::vector<std::string> arguments;
            for (std::string word; words >> word;)
            {
                arguments.push_back(word);
            }
            return arguments;
        }
    }
    ADD_FAILURE() << "tests/pictures/cases.txt lists no picture \"" << name << "\"";
    return {};
}

void ExpectSceneLooksLike(const std::string& name)
{
    const fs::path output = PULSESTAGE_PICTURE_OUTPUT;
    fs::create_directories(output);
    const fs::path actualPath = output / (name + ".png");
    const fs::path diffPath = output / (name + ".diff.png");
    fs::remove(actualPath);
    fs::remove(diffPath);

    std::vector<std::string> arguments = ArgumentsOf(name);
    arguments.insert(arguments.end(), {"--out", actualPath.string()});
    ChildProcess shot(PULSESTAGE_SHOT_BINARY, arguments);
    ASSERT_EQ(shot.ExitCode(), 0) << shot.Errors();

    gfx::Image expected;
    gfx::Image actual;
    ASSERT_TRUE(expected.LoadFromFile((References / (name + ".png")).string()));
    ASSERT_TRUE(actual.LoadFromFile(actualPath.string()));
    const auto difference = ComparePictures(expected, actual);
    ASSERT_TRUE(difference.SameSize)
        << "the picture is " << actual.GetWidth() << "x" << actual.GetHeight() << ", the reference "
        << expected.GetWidth() << "x" << expected.GetHeight() << "; it is " << actualPath;
    const auto allowed =
        static_cast<unsigned int>(MostDifferentPixels * expected.GetWidth() * expected.GetHeight());
    const bool matches = difference.DifferentPixels <= allowed &&
                         difference.LargestChannelDifference <= LargestChannelDifference;
    if (!matches)
    {
        difference.Picture.SaveToFile(diffPath.string());
    }
    EXPECT_TRUE(matches)
        << difference.DifferentPixels << " pixels differ (at most " << allowed << " may), by up to "
        << difference.LargestChannelDifference << " in one channel (at most "
        << LargestChannelDifference << " may).\n  reference:   " << (References / (name + ".png"))
        << "\n  actual:      " << actualPath << "\n  differences: " << diffPath
        << " (red)\nIf the scene is meant to look so now: tools/update-pictures.sh";
}
} // namespace

TEST(ScenePictures, StartupSceneAsItOpens)
{
    ExpectSceneLooksLike("startup-scene");
}

TEST(ScenePictures, StartupSceneAfterADragAPanAndAZoom)
{
    ExpectSceneLooksLike("startup-drag-pan");
}

TEST(ScenePictures, MainSceneAfter120Frames)
{
    ExpectSceneLooksLike("main-scene");
}

TEST(ScenePictures, MainSceneAfterTheArrowKeysWereHeld)
{
    ExpectSceneLooksLike("main-arrows");
}
