// The animated GIF on pictures small enough to check every pixel; the frames a capture keeps of
// a scene, and their times, are checked in ScenePicturesTest.
#include "stage/GifWriter.hpp"

#include "support/Animation.hpp"
#include "support/Pixels.hpp"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

TEST(GifWriter, EachFrameStoresTheRectangleThatChangedAndAnUncommittedWriterLeavesNothing)
{
    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-gif-writer-" + std::to_string(getpid()));
    fs::create_directories(folder);
    // White; a red pixel in the last row and column; the same again; a blue pixel in the first
    // row and column and the red one gone. The first frame has one colour: the others come from
    // the grid beside it.
    std::vector<gfx::Image> pictures;
    for (int i = 0; i < 4; ++i)
    {
        pictures.emplace_back(6, 4, gfx::Color::White);
    }
    pictures[1].SetPixel(5, 3, gfx::Color::Red);
    pictures[2].SetPixel(5, 3, gfx::Color::Red);
    pictures[3].SetPixel(0, 0, gfx::Color::Blue);
    GifWriter writer((folder / "four.gif").string());
    for (std::size_t i = 0; i < pictures.size(); ++i)
    {
        writer.AddFrame(pictures[i], static_cast<int>(i) + 1);
    }
    writer.Commit();
    {
        GifWriter abandoned((folder / "never.gif").string());
        abandoned.AddFrame(pictures[0], 1);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    const testing_support::Animation animation =
        testing_support::ReadAnimation(folder / "four.gif");
    fs::remove_all(folder);
    ASSERT_EQ(animation.Frames.size(), pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i)
    {
        EXPECT_TRUE(testing_support::Alike(pictures[i], animation.Frames[i],
                                           "gif-writer-" + std::to_string(i)));
    }
    // Left, top, width, height; a frame without changes stores one transparent pixel.
    const std::vector<std::array<int, 4>> stored{
        {0, 0, 6, 4}, {5, 3, 1, 1}, {0, 0, 1, 1}, {0, 0, 6, 4}};
    EXPECT_EQ(animation.Stored, stored);
    // Within its rectangle a frame draws only what changed.
    EXPECT_EQ(animation.Drawn, (std::vector<int>{24, 1, 0, 2}));
    EXPECT_EQ(animation.Delays, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(animation.LoopsForever);
}
