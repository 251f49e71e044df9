#include "gfx/Image.hpp"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

TEST(Image, KeepsItsPixelsAfterLoadingAndIsLeftEmptyWhenLoadingFails)
{
    const std::string path = "/tmp/pulsestage-image-test-" + std::to_string(getpid()) + ".png";
    gfx::Image saved(5, 4, gfx::Color::Transparent);
    saved.SetPixel(1, 2, gfx::Color(10, 20, 30, 200));
    saved.SetPixel(5, 0, gfx::Color::Red);
    ASSERT_TRUE(saved.SaveToFile(path));
    EXPECT_FALSE(saved.SaveToFile("/no-such-folder/picture.png"));

    gfx::Image image;
    const bool loaded = image.LoadFromFile(path);
    std::remove(path.c_str());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(image.GetWidth(), 5u);
    EXPECT_EQ(image.GetHeight(), 4u);
    EXPECT_EQ(image.GetPixel(1, 2), gfx::Color(10, 20, 30, 200));
    // Outside the picture reads as transparent and cannot be written, not even into the next row.
    EXPECT_EQ(image.GetPixel(0, 1), gfx::Color::Transparent);
    EXPECT_EQ(image.GetPixel(5, 0), gfx::Color::Transparent);
    EXPECT_EQ(image.GetPixel(0, 1000000), gfx::Color::Transparent);

    EXPECT_FALSE(image.LoadFromFile("resources/no-such-picture.png"));
    EXPECT_EQ(image.GetWidth(), 0u);
    EXPECT_EQ(image.GetHeight(), 0u);
    EXPECT_EQ(image.GetTexture(), nullptr);
}
