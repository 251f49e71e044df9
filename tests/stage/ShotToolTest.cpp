// pulsestage-shot as a user runs it: the real binary, in the repository root.
#include "gfx/Image.hpp"
#include "support/ChildProcess.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

using testing_support::ChildProcess;

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

std::string Bytes(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}
} // namespace

TEST_F(ShotToolTest, WrongInputIsExplainedWithANonZeroExitCodeAndWritesNothing)
{
    const std::string picture = PathOf("never.png");
    const std::string unwritable = PathOf("no-such-folder/never.png");
    const std::string script = Write("bad.txt", "move 1 2\n\n# wheel\nwheel 1 2\n");
    const auto Main = [&](Arguments more)
    {
        more.insert(more.begin(), {"--scene", "main", "--out", picture});
        return more;
    };
    const std::tuple<Arguments, int, std::string> cases[] = {
        {{"--scene", "hall", "--out", picture},
         2,
         "unknown scene \"hall\"; the scenes are: TestBoundedMovement, main\n"},
        {{"--out", picture}, 2, "--scene: required"},
        {{"--scene", "main", "--out", PathOf("never.jpg")},
         2,
         "--out: the picture is written as PNG"},
        {Main({"--size", "1024x0"}), 2, "--size: a picture of 1024x0 has no pixels"},
        {Main({"--size", "9000x600"}), 2, "--size: both sides must be at most 8192"},
        {Main({"--frames", "3.5"}), 2, "--frames: expected a whole number, not \"3.5\""},
        {Main({"--dt", "1/0"}), 2, "--dt: expected seconds"},
        {Main({"--dt", "1e38"}), 2, "--dt: a frame may last from 0 to 3600 seconds (one hour)"},
        {Main({"--seed", "4294967296"}), 2, "--seed: must be from 0 to 4294967295"},
        {Main({"--frames"}), 2, "--frames: a value must follow it"},
        {Main({"--fast", "1"}), 2, "--fast: unknown option"},
        {Main({"--frames", "2", "--frames", "3"}), 2, "--frames: given twice"},
        {Main({"--script", script}), 2, script + " line 4: \"wheel\" takes 3 arguments: DELTA X Y"},
        {Main({"--script", PathOf("missing.txt")}), 2, "cannot read the script"},
        {{"--scene", "TestBoundedMovement", "--size", "64x64", "--out", unwritable},
         1,
         "cannot write the picture to \"" + unwritable + "\""},
    };
    for (const auto& [arguments, exitCode, message] : cases)
    {
        ChildProcess shot(PULSESTAGE_SHOT_BINARY, arguments);
        EXPECT_EQ(shot.ExitCode(), exitCode) << message;
        // SFML may have its say first.
        EXPECT_NE(shot.Errors().find("pulsestage-shot: " + message), std::string::npos)
            << shot.Errors();
        EXPECT_FALSE(fs::exists(picture)) << message;
    }
}

TEST_F(ShotToolTest, TheSameArgumentsGiveByteIdenticalPicturesAndTheSeedAnother)
{
    // The main scene animates with time and lays out its background at random.
    const std::string script = Write("walk.txt", "keydown Up\nframes 10\nkey PageUp\n");
    std::vector<std::string> pictures;
    for (const char* seed : {"5", "5", "6"})
    {
        pictures.push_back(PathOf(std::to_string(pictures.size()) + ".png"));
        ChildProcess shot(PULSESTAGE_SHOT_BINARY,
                          {"--scene", "main", "--size", "400x300", "--frames", "30", "--seed", seed,
                           "--script", script, "--out", pictures.back()});
        ASSERT_EQ(shot.ExitCode(), 0) << shot.Errors();
    }
    gfx::Image written;
    ASSERT_TRUE(written.LoadFromFile(pictures[0]));
    EXPECT_EQ(written.GetWidth(), 400u);
    EXPECT_EQ(written.GetHeight(), 300u);
    EXPECT_TRUE(Bytes(pictures[0]) == Bytes(pictures[1]));
    EXPECT_FALSE(Bytes(pictures[0]) == Bytes(pictures[2]));
}
