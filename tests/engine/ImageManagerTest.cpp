#include "engine/ImageManager.hpp"

#include "gfx/Image.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

// The tests run in the repository root, where resources/ holds the program's pictures.

TEST(ImageManager, LoadsThroughThePrefixAndStoresUnderTheGivenName)
{
    ImageManager images("resources/");
    gfx::Image* cursor = images.Load("cursor.png");

    ASSERT_NE(cursor, nullptr);
    EXPECT_GT(cursor->GetWidth(), 0u);
    EXPECT_EQ(images.Get("cursor.png"), cursor);
    EXPECT_THROW(images.Get("resources/cursor.png"), std::out_of_range);
}

TEST(ImageManager, LoadAlwaysReadsAnewAndKeepsEarlierImagesAlive)
{
    ImageManager images("resources/");
    gfx::Image* first = images.Load("figur.png");
    gfx::Image* second = images.Load("figur.png");

    EXPECT_NE(first, second);
    EXPECT_EQ(images.Get("figur.png"), second);
    EXPECT_EQ(first->GetWidth(), second->GetWidth()) << "the first image must stay usable";
}

TEST(ImageManager, UnreadableFileIsStoredAsAnEmptyImage)
{
    ImageManager images("no-such-folder/");
    EXPECT_FALSE(images.IsLoaded("cursor.png"));

    gfx::Image* missing = images.Load("cursor.png");

    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(images.IsLoaded("cursor.png"));
    EXPECT_EQ(images.Get("cursor.png"), missing);
    EXPECT_EQ(missing->GetWidth(), 0u);
    EXPECT_EQ(missing->GetHeight(), 0u);
}

TEST(ImageManager, GetNeverLoadsAndThrowsMapAt)
{
    ImageManager images("resources/");
    try
    {
        images.Get("cursor.png");
        FAIL() << "expected std::out_of_range";
    }
    catch (const std::out_of_range& error)
    {
        EXPECT_STREQ(error.what(), "map::at");
    }
    EXPECT_FALSE(images.IsLoaded("cursor.png"));
}

TEST(ImageManager, EmptyNameIsANameLikeAnyOther)
{
    ImageManager images("resources/");
    gfx::Image* folder = images.Load("");

    EXPECT_TRUE(images.IsLoaded(""));
    EXPECT_EQ(images.Get(""), folder);
    EXPECT_EQ(folder->GetWidth(), 0u) << "the prefix alone names a folder, not a picture";
}
