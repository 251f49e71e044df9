#include "gfx/Image.hpp"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color Transparent(0, 0, 0, 0);

// A PNG file in the temporary folder, removed again when the test ends.
class TemporaryPng
{
public:
    TemporaryPng() : myPath("/tmp/pulsestage-image-test-" + std::to_string(getpid()) + ".png") {}
    ~TemporaryPng() { std::remove(myPath.c_str()); }
    TemporaryPng(const TemporaryPng&) = delete;
    TemporaryPng& operator=(const TemporaryPng&) = delete;

    const std::string& Path() const { return myPath; }

private:
    std::string myPath;
};
} // namespace

TEST(Image, CreateFillsAndSetPixelChangesOnePixel)
{
    gfx::Image image;
    EXPECT_EQ(image.GetWidth(), 0u);
    image.Create(3, 2, Red);
    image.SetPixel(2, 1, gfx::Color(1, 2, 3, 4));

    EXPECT_EQ(image.GetWidth(), 3u);
    EXPECT_EQ(image.GetHeight(), 2u);
    EXPECT_EQ(image.GetPixel(0, 0), Red);
    EXPECT_EQ(image.GetPixel(2, 1), gfx::Color(1, 2, 3, 4));
}

TEST(Image, OutsideThePictureIsTransparentBlack)
{
    gfx::Image image(3, 2, Red);
    image.SetPixel(3, 0, gfx::Color(9, 9, 9, 9));
    image.SetPixel(0, 2, gfx::Color(9, 9, 9, 9));

    EXPECT_EQ(image.GetPixel(3, 0), Transparent);
    EXPECT_EQ(image.GetPixel(0, 2), Transparent);
    EXPECT_EQ(image.GetPixel(1000000, 1000000), Transparent);
    EXPECT_EQ(gfx::Image().GetPixel(0, 0), Transparent);
}

TEST(Image, KeepsItsPixelsAfterLoading)
{
    const TemporaryPng file;
    gfx::Image saved(5, 4, Transparent);
    saved.SetPixel(1, 2, gfx::Color(10, 20, 30, 200));
    saved.SetPixel(4, 3, gfx::Color(255, 255, 255, 128));
    ASSERT_TRUE(saved.SaveToFile(file.Path()));

    gfx::Image loaded;
    ASSERT_TRUE(loaded.LoadFromFile(file.Path()));

    EXPECT_EQ(loaded.GetWidth(), 5u);
    EXPECT_EQ(loaded.GetHeight(), 4u);
    EXPECT_EQ(loaded.GetPixel(1, 2), gfx::Color(10, 20, 30, 200));
    EXPECT_EQ(loaded.GetPixel(4, 3), gfx::Color(255, 255, 255, 128));
    EXPECT_EQ(loaded.GetPixel(0, 0).a, 0);
}

TEST(Image, FailedLoadLeavesItEmpty)
{
    const TemporaryPng file;
    gfx::Image image(5, 4, Red);
    ASSERT_TRUE(image.SaveToFile(file.Path()));
    ASSERT_TRUE(image.LoadFromFile(file.Path()));

    EXPECT_FALSE(image.LoadFromFile("resources/no-such-picture.png"));
    EXPECT_EQ(image.GetWidth(), 0u);
    EXPECT_EQ(image.GetHeight(), 0u);
    EXPECT_EQ(image.GetTexture(), nullptr);
}

TEST(Image, SaveToAnUnwritablePlaceFails)
{
    EXPECT_FALSE(gfx::Image(2, 2, Red).SaveToFile("/no-such-folder/picture.png"));
}
