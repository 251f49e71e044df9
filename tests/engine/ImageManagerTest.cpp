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
    EXPECT_GT(first->GetWidth(), 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(images.Get("cursor.png"), second);
    EXPECT_EQ(first->GetWidth(), second->GetWidth()) << "the first image must stay usable";
    EXPECT_THROW(images.Get("resources/cursor.png"), std::out_of_range);

    // The prefix alone names a folder, not a picture; a missing folder holds no pictures.
    gfx::Image* folder = images.Load("");
    EXPECT_EQ(images.Get(""), folder);
    EXPECT_EQ(folder->GetWidth(), 0u);
    ImageManager missing("no-such-folder/");
    gfx::Image* image = missing.Load("cursor.png");
    EXPECT_TRUE(missing.IsLoaded("cursor.png"));
    EXPECT_EQ(missing.Get("cursor.png"), image);
    EXPECT_EQ(image->GetWidth() + image->GetHeight(), 0u);
}
