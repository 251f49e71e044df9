#include "stage/PartFile.hpp"

#include "support/ChildProcess.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using testing_support::FileContents;

TEST(PartFile, TheTargetChangesOnlyOnCommitAndAFailureLeavesNothing)
{
    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-part-file-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string target = (folder / "file.txt").string();
    {
        PartFile first(target, "the text");
        std::fputs("first", first.Get());
        first.Commit();
    }
    {
        PartFile abandoned(target, "the text");
        std::fputs("second", abandoned.Get());
        EXPECT_EQ(FileContents(target), "first");
        EXPECT_TRUE(fs::exists(target + ".part"));
    }
    EXPECT_EQ(FileContents(target), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    try
    {
        PartFile missing((folder / "no-such-folder" / "file.txt").string(), "the text");
        ADD_FAILURE() << "a file in a missing folder was created";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_EQ(std::string(error.what()), "cannot write the text to \"" +
                                                 (folder / "no-such-folder" / "file.txt").string() +
                                                 "\": No such file or directory");
    }
    fs::remove_all(folder);
}
