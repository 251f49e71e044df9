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

const std::vector<std::string> AllPictures = {"cursor.png", "figur.png", "haehnchen.png",
                                              "pulsestage.png"};

// Candidate folders: "empty" holds nothing, "partial" all pictures but the chicken, "first" and
// "second" all of them (empty files: the lookup does not read them).
class DataFolderTest : public ::testing::Test
{
protected:
    DataFolderTest()
    {
        Hold("empty", {});
        Hold("partial", {"cursor.png", "figur.png", "pulsestage.png"});
        Hold("first", AllPictures);
        Hold("second", AllPictures);
    }
    ~DataFolderTest() override { fs::remove_all(root); }

    void Hold(const std::string& folder, const std::vector<std::string>& pictures) const
    {
        fs::create_directories(root / folder / "resources");
        for (const std::string& picture : pictures)
        {
            std::ofstream(root / folder / "resources" / picture) << "";
        }
    }

    const fs::path root =
        fs::temp_directory_path() / ("pulsestage-data-" + std::to_string(getpid()));
};

std::string ErrorOf(const fs::path& chosen, const std::vector<fs::path>& candidates)
{
    try
    {
        DataFolder::Find(chosen, candidates);
    }
    catch (const std::runtime_error& error)
    {
        return error.what();
    }
    return "";
}
} // namespace

TEST_F(DataFolderTest, TheFirstCandidateThatHoldsEveryPictureWins)
{
    const DataFolder found = DataFolder::Find(
        std::nullopt, {root / "empty", root / "partial", root / "first", root / "second"});
    ASSERT_TRUE(found.IsFound());
    EXPECT_EQ(found.GetResources(), (root / "first").string() + "/resources/");
    EXPECT_EQ(found.GetIcon(), (root / "first").string() + "/resources/pulsestage.png");
    EXPECT_EQ(found.GetProblem(), "");
    EXPECT_EQ(found.ExplainFailedLoads({"figur.png"}),
              "the scene needs figur.png, which cannot be loaded from " + found.GetResources());

    // The chosen folder comes before every candidate.
    EXPECT_EQ(DataFolder::Find(root / "second", {root / "first"}).GetResources(),
              (root / "second").string() + "/resources/");
}

TEST_F(DataFolderTest, NoMatchNamesEveryPlaceOnceAndLeavesTheWorkingFoldersResources)
{
    const DataFolder none =
        DataFolder::Find(std::nullopt, {root / "empty", root / "partial", root / "empty"});
    EXPECT_FALSE(none.IsFound());
    EXPECT_EQ(none.GetResources(), "resources/");
    EXPECT_FALSE(none.GetIcon());
    const std::string problem =
        "no folder holds the pictures: looked for resources/ with cursor.png, figur.png, "
        "haehnchen.png and pulsestage.png in " +
        (root / "empty").string() + " and " + (root / "partial").string() +
        "; set PULSESTAGE_DATA to the folder that holds it";
    EXPECT_EQ(none.GetProblem(), problem);
    EXPECT_EQ(none.ExplainFailedLoads({"cursor.png", "figur.png"}),
              "the scene needs cursor.png and figur.png, but " + problem);
}

TEST_F(DataFolderTest, AChosenFolderWithoutThePicturesIsAnErrorEvenWhenACandidateHoldsThem)
{
    const std::vector<fs::path> candidates = {root / "first"};
    EXPECT_EQ(ErrorOf(root / "partial", candidates),
              "PULSESTAGE_DATA is \"" + (root / "partial").string() +
                  "\", but its resources/ lacks haehnchen.png; name the folder that holds "
                  "resources/, or unset it");
    EXPECT_EQ(ErrorOf(root / "missing", candidates),
              "PULSESTAGE_DATA is \"" + (root / "missing").string() +
                  "\", which is no folder; name the folder that holds resources/, or unset it");
}
