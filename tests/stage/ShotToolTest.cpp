// pulsestage-shot as a user runs it: the real binary, in the repository root.
#include "gfx/Image.hpp"
#include "support/ChildProcess.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

using testing_support::ChildProcess;
using testing_support::FileContents;

namespace
{
namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

// A folder of its own for each test's files, gone afterwards.
class ShotToolTest : public ::testing::Test
{
protected:
    ShotToolTest() { fs::create_directories(folder); }
    ~ShotToolTest() override { fs::remove_all(folder); }
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    std::string Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(PathOf(name)) << text;
        return PathOf(name);
    }

    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-shot-" + std::to_string(getpid()));
};
} // namespace

TEST_F(ShotToolTest, AFileThatCannotBeWrittenEndsTheToolWithOneAndLeavesNothing)
{
    const std::string unwritable = PathOf("no-such-folder/never.png");
    const std::string lostGif = PathOf("no-such-folder/never.gif");
    const Arguments small = {"--scene", "TestBoundedMovement", "--size", "64x64"};
    const std::string noPicture = "cannot write the picture to \"" + unwritable + "\"";
    const std::pair<Arguments, std::string> cases[] = {
        {{"--out", unwritable}, noPicture},
        {{"--gif", lostGif}, "cannot write the GIF to \"" + lostGif + "\": No such"},
        // The animation is done before the picture fails: it goes too.
        {{"--gif", PathOf("never.gif"), "--out", unwritable}, noPicture},
    };
    for (const auto& [arguments, message] : cases)
    {
        Arguments all = small;
        all.insert(all.end(), arguments.begin(), arguments.end());
        ChildProcess shot(PULSESTAGE_SHOT_BINARY, all);
        EXPECT_EQ(shot.ExitCode(), 1) << message;
        // SFML may have its say first.
        EXPECT_NE(shot.Errors().find("pulsestage-shot: " + message), std::string::npos)
            << shot.Errors();
        EXPECT_TRUE(fs::is_empty(folder)) << message;
    }
}

TEST_F(ShotToolTest, TheSameArgumentsGiveByteIdenticalFilesAndTheSeedOthers)
{
    // The main scene animates with time and lays out its background at random.
    const std::string script = Write("walk.txt", "keydown Up\nframes 10\nkey PageUp\n");
    // A picture and an animation for each run.
    std::vector<std::string> files;
    for (const char* seed : {"5", "5", "6"})
    {
        const std::string run = PathOf(std::to_string(files.size() / 2));
        files.insert(files.end(), {run + ".png", run + ".gif"});
        ChildProcess shot(PULSESTAGE_SHOT_BINARY,
                          {"--scene", "main", "--size", "400x300", "--frames", "30", "--seed", seed,
                           "--script", script, "--out", run + ".png", "--gif", run + ".gif",
                           "--every", "10"});
        ASSERT_EQ(shot.ExitCode(), 0) << shot.Errors();
    }
    gfx::Image written;
    ASSERT_TRUE(written.LoadFromFile(files[0]));
    EXPECT_EQ(written.GetWidth(), 400u);
    EXPECT_EQ(written.GetHeight(), 300u);
    for (std::size_t file = 0; file < 2; ++file)
    {
        EXPECT_TRUE(FileContents(files[file]) == FileContents(files[file + 2])) << files[file];
        EXPECT_FALSE(FileContents(files[file]) == FileContents(files[file + 4])) << files[file];
    }
}
