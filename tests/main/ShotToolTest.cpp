#include "main/ShotTool.hpp"

#include "gfx/Image.hpp"
#include "support/ChildProcess.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using testing_support::ChildProcess;

namespace
{
namespace fs = std::filesystem;

// A folder of its own for each test's files, gone afterwards.
class ShotToolTest : public ::testing::Test
{
protected:
    ShotToolTest() { fs::create_directories(myFolder); }
    ~ShotToolTest() override { fs::remove_all(myFolder); }

    std::string PathOf(const std::string& name) const { return (myFolder / name).string(); }

    std::string WriteFile(const std::string& name, const std::string& text) const
    {
        std::ofstream(PathOf(name)) << text;
        return PathOf(name);
    }

    int Run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return ShotTool::Run(arguments, out, err);
    }

    static std::string Bytes(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    std::ostringstream out;
    std::ostringstream err;

private:
    fs::path myFolder = fs::temp_directory_path() / ("pulsestage-shot-" + std::to_string(getpid()));
};
} // namespace

TEST_F(ShotToolTest, WritesTheSceneAtTheAskedSize)
{
    const std::string picture = PathOf("startup.png");
    ASSERT_EQ(Run({"--scene", "TestBoundedMovement", "--out", picture, "--size", "200x120"}), 0)
        << err.str();
    gfx::Image written;
    ASSERT_TRUE(written.LoadFromFile(picture));
    EXPECT_EQ(written.GetWidth(), 200u);
    EXPECT_EQ(written.GetHeight(), 120u);
    EXPECT_EQ(written.GetPixel(10, 110), gfx::Color(255, 255, 255, 255)) << "the scene's white";
}

TEST_F(ShotToolTest, HelpGoesToStandardOutput)
{
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out.str().rfind("Usage: pulsestage-shot --scene NAME --out FILE.png", 0), 0u);
    EXPECT_TRUE(err.str().empty());
}

TEST_F(ShotToolTest, WrongInputIsExplainedWithExitCodeTwoAndWritesNothing)
{
    const std::string picture = PathOf("never.png");
    const std::string script = WriteFile("bad.txt", "move 1 2\n\n# wheel\nwheel 1 2\n");
    const struct
    {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--scene", "hall", "--out", picture},
         "pulsestage-shot: unknown scene \"hall\"; the scenes are: TestBoundedMovement, main\n"},
        {{"--scene", "main", "--out", picture, "--size", "0x0"},
         "pulsestage-shot: --size: a picture of 0x0 has no pixels"},
        {{"--scene", "main", "--out", picture, "--frames", "-3"},
         "pulsestage-shot: --frames: expected a whole number"},
        {{"--scene", "main", "--out", picture, "--script", script},
         "pulsestage-shot: " + script + " line 4: \"wheel\" takes 3 arguments: DELTA X Y"},
        {{"--scene", "main", "--out", picture, "--script", PathOf("missing.txt")},
         "pulsestage-shot: cannot read the script"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(Run(c.arguments), 2);
        EXPECT_EQ(err.str().rfind(c.message, 0), 0u) << err.str();
        EXPECT_FALSE(fs::exists(picture));
    }
}

TEST_F(ShotToolTest, AnUnwritablePictureFailsWithExitCodeOne)
{
    const std::string picture = PathOf("no-such-folder/picture.png");
    EXPECT_EQ(Run({"--scene", "TestBoundedMovement", "--out", picture, "--size", "64x64"}), 1);
    EXPECT_NE(err.str().find("pulsestage-shot: cannot write the picture to \"" + picture + "\""),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(picture));
}

TEST_F(ShotToolTest, TheProgramWritesByteIdenticalPicturesForTheSameArguments)
{
    const std::string script = WriteFile("walk.txt", "keydown Up\nframes 10\nkey PageUp\n");
    std::vector<std::string> pictures;
    for (const char* name : {"first.png", "second.png"})
    {
        pictures.push_back(PathOf(name));
        ChildProcess shot(PULSESTAGE_SHOT_BINARY,
                          {"--scene", "main", "--size", "400x300", "--frames", "30", "--script",
                           script, "--out", pictures.back()});
        ASSERT_EQ(shot.ExitCode(), 0) << shot.Errors();
    }
    const std::string first = Bytes(pictures[0]);
    EXPECT_GT(first.size(), 1000u);
    EXPECT_TRUE(first == Bytes(pictures[1]));
}

TEST_F(ShotToolTest, TheProgramReportsAnUnknownSceneWithoutOpeningAWindow)
{
    ChildProcess shot(PULSESTAGE_SHOT_BINARY, {"--scene", "hall", "--out", PathOf("x.png")});
    EXPECT_EQ(shot.ExitCode(), 2);
    EXPECT_EQ(shot.Errors().rfind("pulsestage-shot: unknown scene \"hall\"; the scenes are: "
                                  "TestBoundedMovement, main\n",
                                  0),
              0u)
        << shot.Errors();
    EXPECT_TRUE(shot.Output().empty());
    EXPECT_FALSE(fs::exists(PathOf("x.png")));
}
