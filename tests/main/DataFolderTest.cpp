#include "main/DataFolder.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Candidate folders: "empty" holds nothing, "partial" all pictures but the chicken, "first" and
// "second" all of them (empty files: the lookup does not read them).
class DataFolderTest : public ::testing::Test
{
protected:
    DataFolderTest()
    {
        fs::create_directories(root / "empty" / "resources");
        for (const char* folder : {"partial", "first", "second"})
        {
            fs::create_directories(root / folder / "resources");
            for (const char* picture :
                 {"cursor.png", "figur.png", "haehnchen.png", "pulsestage.png"})
            {
                std::ofstream(root / folder / "resources" / picture) << "";
            }
        }
        fs::remove(root / "partial" / "resources" / "haehnchen.png");
    }
    ~DataFolderTest() override { fs::remove_all(root); }

    const fs::path root =
        fs::temp_directory_path() / ("pulsestage-data-" + std::to_string(getpid()));
};
} // namespace

TEST_F(DataFolderTest, TheChosenFolderElseTheFirstCandidateThatHoldsEveryPictureWins)
{
    const DataFolder found = DataFolder::Find(
        std::nullopt, {root / "empty", root / "partial", root / "first", root / "second"});
    EXPECT_EQ(found.GetResources(), (root / "first").string() + "/resources/");
    EXPECT_EQ(found.GetIcon(), (root / "first").string() + "/resources/pulsestage.png");
    EXPECT_EQ(DataFolder::Find(root / "second", {root / "first"}).GetResources(),
              (root / "second").string() + "/resources/");

    // Without a match the pictures are looked for in the working folder, and there is no icon.
    const DataFolder none = DataFolder::Find(std::nullopt, {root / "empty", root / "partial"});
    EXPECT_FALSE(none.IsFound());
    EXPECT_EQ(none.GetResources(), "resources/");
    EXPECT_FALSE(none.GetIcon());

    // A chosen folder without the pictures is an error even when a candidate holds them.
    try
    {
        DataFolder::Find(root / "partial", {root / "first"});
        FAIL() << "no error";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_EQ(error.what(), "PULSESTAGE_DATA is \"" + (root / "partial").string() +
                                    "\", but its resources/ lacks haehnchen.png; name the folder "
                                    "that holds resources/, or unset it");
    }
}
