#include "engine/ImageManager.hpp"

#include "gfx/Image.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

// The tests run in the repository root, where resources/ holds the program's pictures.

TEST(ImageManager, LoadsThroughThePrefixAnewEveryTimeAndStoresEvenFailedLoads)
{
    ImageManager images("resources/");
    EXPECT_THROW(images.Get("cursor.png"), std::out_of_range);
    EXPECT_FALSE(images.IsLoaded("cursor.png")) << "Get never loads";
    gfx::Image* first = images.Load("cursor.png");
    gfx::Image* second = images.Load("cursor.png");
    EXPECT_NE(first, second);
    EXPECT_EQ(images.Get("cursor.png"), second);
    EXPECT_EQ(first->GetWidth(), 32u) << "the first image must stay usable";
    EXPECT_TRUE(images.GetFailedLoads().empty());

    images.Load("no-such-picture.png");
    EXPECT_TRUE(images.IsLoaded("no-such-picture.png"));
    EXPECT_EQ(images.Get("no-such-picture.png")->GetWidth(), 0u);
    EXPECT_EQ(images.GetFailedLoads(), std::vector<std::string>{"no-such-picture.png"});
}
