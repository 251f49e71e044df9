// The scenes as pulsestage-shot draws them, against reference pictures committed under
// tests/pictures/. tests/pictures/cases.txt lists each picture's arguments;
// tools/update-pictures.sh draws the references anew with them, on purpose.
#include "gfx/Image.hpp"
#include "support/Animation.hpp"
#include "support/ChildProcess.hpp"
#include "support/Pixels.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using testing_support::Alike;

namespace
{
namespace fs = std::filesystem;

const fs::path References = "tests/pictures";

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

fs::path TempPath(const std::string& name)
{
    return fs::temp_directory_path() / ("pulsestage-" + std::to_string(getpid()) + "-" + name);
}

// How many pixels of the animation's frame are not the palette's colour nearest to the
// picture's (least squared distance, the first of equals), as a GIF of exactly that picture
// shows them.
int OffPalette(const gfx::Image& picture, const std::vector<gfx::Color>& palette,
               const gfx::Image& frame)
{
    const auto distance = [](const gfx::Color& a, const gfx::Color& b)
    { return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b); };
    int off = 0;
    for (unsigned int y = 0; y < picture.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < picture.GetWidth(); ++x)
        {
            const gfx::Color pixel = picture.GetPixel(x, y);
            const auto nearest =
                std::min_element(palette.begin(), palette.end(),
                                 [&](const gfx::Color& a, const gfx::Color& b)
                                 { return distance(a, pixel) < distance(b, pixel); });
            off += nearest == palette.end() || *nearest != frame.GetPixel(x, y) ? 1 : 0;
        }
    }
    return off;
}
} // namespace

TEST(ScenePictures, EveryListedPictureLooksLikeItsReference)
{
    std::ifstream cases(References / "cases.txt");
    int checked = 0;
    for (std::string line; std::getline(cases, line);)
    {
        std::istringstream words(line);
        std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
        if (arguments.empty() || arguments.front().front() == '#')
        {
            continue;
        }
        const std::string name = arguments.front();
        SCOPED_TRACE(name);
        const fs::path picture = TempPath(name + ".png");
        arguments.erase(arguments.begin());
        arguments.insert(arguments.end(), {"--out", picture.string()});
        Shoot(arguments);
        EXPECT_TRUE(Alike(Load(References / (name + ".png")), Load(picture), name))
            << "\nIf the scene is meant to look so now: tools/update-pictures.sh";
        fs::remove(picture);
        ++checked;
    }
    EXPECT_GE(checked, 4) << "tests/pictures/cases.txt lists every reference picture";
}

TEST(ScenePictures, AnAnimationShowsThePicturesOfTheFramesItKeepsForTheirTimeAndLoops)
{
    // Seven frames of 1/60 s, every second one kept and the last: frames 2, 4, 6 and 7, which end
    // at 3.3, 6.7, 10 and 11.7 hundredths of a second, rounded 3, 7, 10 and 12 (each delay
    // rounded on its own would be 3, 3, 3 and 2).
    const fs::path gif = TempPath("seven.gif");
    const fs::path last = TempPath("seven.png");
    const fs::path second = TempPath("two.png");
    Shoot({"--scene", "main", "--size", "320x200", "--frames", "7", "--every", "2", "--gif",
           gif.string(), "--out", last.string()});
    Shoot({"--scene", "main", "--size", "320x200", "--frames", "2", "--out", second.string()});

    const testing_support::Animation animation = testing_support::ReadAnimation(gif);
    ASSERT_EQ(animation.Frames.size(), 4u);
    EXPECT_EQ(animation.Delays, (std::vector<int>{3, 4, 3, 2}));
    EXPECT_TRUE(animation.LoopsForever);
    // The frames it keeps are those the PNG shows, to the bit, each pixel in the palette's
    // nearest colour: not drawn with other antialiasing, nor a frame early or late.
    EXPECT_EQ(OffPalette(Load(second), animation.Palette, animation.Frames.front()), 0);
    EXPECT_EQ(OffPalette(Load(last), animation.Palette, animation.Frames.back()), 0);
    for (const fs::path& file : {gif, last, second})
    {
        fs::remove(file);
    }
}

TEST(ScenePictures, AnAnimationOfAScriptShowsEachFrameForTheTimeItsFramesLasted)
{
    // Each frame's end in seconds, with --dt 0.02: 0.013, 0.113, 0.213; paused, each still lasts
    // its time, 0.258, 0.303, and --dt, 0.323; a step lasts 1/60 s, 0.339667; running again,
    // 0.344567 and 700.344567. Every second frame is kept and the last: frames 2, 4, 6, 8 and 9
    // end at 11, 26, 32, 34 and 70034 hundredths, rounded, and the last frame's 70000 hundredths,
    // longer than a GIF frame can show, go on in a frame that changes nothing.
    const fs::path script = TempPath("durations.script");
    std::ofstream(script) << "frames 1 0.013\nframes 2 0.1\npause\nframes 2 0.045\nframes 1\n"
                             "step\nresume\nframes 1 0.0049\nframes 1 700\n";
    const fs::path gif = TempPath("durations.gif");
    Shoot({"--scene", "main", "--size", "64x40", "--dt", "0.02", "--every", "2", "--script",
           script.string(), "--gif", gif.string()});
    EXPECT_EQ(testing_support::ReadAnimation(gif).Delays,
              (std::vector<int>{11, 15, 6, 2, 65535, 4465}));
    fs::remove(script);
    fs::remove(gif);
}
