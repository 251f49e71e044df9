// pulsestage-shot as a user runs it: the real binary, in the repository root.
#include "gfx/Image.hpp"
#include "support/ChildProcess.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <unistd.h>
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

TEST_F(ShotToolTest, WrongInputIsExplainedWithANonZeroExitCodeAndWritesNothing)
{
    const std::string picture = PathOf("never.png");
    const std::string animation = PathOf("never.gif");
    const std::string unwritable = PathOf("no-such-folder/never.png");
    const std::string lostGif = PathOf("no-such-folder/never.gif");
    const std::string script = Write("bad.txt", "move 1 2\n\n# wheel\nwheel 1 2\n");
    const std::string resize = Write("resize.txt", "frames 2\nresize 300 200\n");
    const auto With = [](Arguments base, const Arguments& more)
    {
        base.insert(base.end(), more.begin(), more.end());
        return base;
    };
    const Arguments main = {"--scene", "main", "--out", picture};
    const Arguments small = {"--scene", "TestBoundedMovement", "--size", "64x64"};
    const std::string unknown = "unknown scene \"hall\"; the scenes are: TestBoundedMovement, main";
    const std::string noPicture = "cannot write the picture to \"" + unwritable + "\"";
    const std::tuple<Arguments, int, std::string> cases[] = {
        {{"--scene", "hall", "--out", picture}, 2, unknown},
        {{"--out", picture}, 2, "--scene: required"},
        {{"--scene", "main"}, 2, "--out: required: name the PNG file to write (or, with --gif"},
        {{"--scene", "main", "--out", animation}, 2, "--out: the picture is written as PNG"},
        {With(main, {"--size", "1024x0"}), 2, "--size: a picture of 1024x0 has no pixels"},
        {With(main, {"--size", "9000x600"}), 2, "--size: both sides must be at most 8192"},
        {With(main, {"--frames", "3.5"}), 2, "--frames: expected a whole number, not \"3.5\""},
        {With(main, {"--dt", "1/0"}), 2, "--dt: expected seconds"},
        {With(main, {"--dt", "1e38"}), 2, "--dt: a frame may last from 0 to 3600 seconds"},
        {With(main, {"--seed", "4294967296"}), 2, "--seed: must be from 0 to 4294967295"},
        {With(main, {"--frames"}), 2, "--frames: a value must follow it"},
        {With(main, {"--fast", "1"}), 2, "--fast: unknown option"},
        {With(main, {"--frames", "2", "--frames", "3"}), 2, "--frames: given twice"},
        {With(main, {"--gif", picture}), 2, "--gif: the animation is written as GIF"},
        {With(main, {"--every", "2"}), 2, "--every: picks the frames of the GIF: give --gif too"},
        {With(main, {"--gif", animation, "--every", "0"}), 2, "--every: must be from 1 to 1000000"},
        {With(main, {"--gif", animation, "--every", "10000", "--dt", "0.1"}), 2,
         "--every: a GIF shows a frame for at most 655.34 s, not 10000 frames of 0.1 s"},
        {With(main, {"--gif", animation, "--script", resize}), 2,
         resize + " line 2: \"resize\" cannot be recorded: a GIF keeps one size (use --size)"},
        {With(main, {"--script", script}), 2, script + " line 4: \"wheel\" takes 3 arguments"},
        {With(main, {"--script", PathOf("missing.txt")}), 2, "cannot read the script"},
        {With(small, {"--out", unwritable}), 1, noPicture},
        {With(small, {"--gif", lostGif}), 1,
         "cannot write the GIF to \"" + lostGif + "\": No such"},
        // The animation is done before the picture fails: it goes too.
        {With(small, {"--gif", animation, "--out", unwritable}), 1, noPicture},
    };
    for (const auto& [arguments, exitCode, message] : cases)
    {
        ChildProcess shot(PULSESTAGE_SHOT_BINARY, arguments);
        EXPECT_EQ(shot.ExitCode(), exitCode) << message;
        // SFML may have its say first.
        EXPECT_NE(shot.Errors().find("pulsestage-shot: " + message), std::string::npos)
            << shot.Errors();
        // Only the scripts: no picture, no animation, no part of one.
        for (const fs::directory_entry& file : fs::directory_iterator(folder))
        {
            EXPECT_EQ(file.path().extension().string(), ".txt") << message << ": " << file.path();
        }
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
