// The build installed into a prefix of its own, as a user or a package installs it, and its
// programs started from elsewhere.
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

// A prefix to install into and a working folder that is neither the repository nor the prefix,
// both gone afterwards.
class InstallTest : public ::testing::Test
{
protected:
    InstallTest()
    {
        fs::create_directories(elsewhere);
        fs::remove_all(prefix);
    }
    ~InstallTest() override
    {
        fs::remove_all(prefix);
        fs::remove_all(elsewhere);
    }

    const std::string tag = std::to_string(getpid());
    const fs::path prefix = fs::temp_directory_path() / ("pulsestage-prefix-" + tag);
    const fs::path elsewhere = fs::temp_directory_path() / ("pulsestage-elsewhere-" + tag);
};

std::string Bytes(const fs::path& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// The main scene after some frames: the figure in the middle, both shelves of chickens and the
// cursor in the corner.
const std::vector<std::string> MainScene = {"--scene", "main", "--frames", "30", "--out"};
} // namespace

TEST_F(InstallTest, TheInstalledToolDrawsTheMainSceneWithAllItsPicturesFromAnyFolder)
{
    ChildProcess install(PULSESTAGE_CMAKE,
                         {"--install", PULSESTAGE_BUILD_FOLDER, "--prefix", prefix.string()});
    ASSERT_EQ(install.ExitCode(), 0) << install.Errors();
    for (const char* file :
         {"bin/pulsestage", "bin/pulsestage-scene", "share/pulsestage/resources/figur.png",
          "share/applications/pulsestage.desktop",
          "share/icons/hicolor/256x256/apps/pulsestage.png",
          "share/metainfo/org.pulsestage.pulsestage.metainfo.xml",
          "share/doc/pulsestage/copyright"})
    {
        EXPECT_TRUE(fs::exists(prefix / file)) << file;
    }

    // Drawn by the installed copy, far from any resources/, and by the build in the repository
    // root: the same arguments give the same bytes only when both found every picture.
    std::vector<std::string> installedArguments = MainScene;
    installedArguments.push_back((elsewhere / "installed.png").string());
    ChildProcess installed((prefix / "bin" / "pulsestage-shot").string(), installedArguments,
                           elsewhere, {{"PULSESTAGE_DATA", std::nullopt}});
    ASSERT_EQ(installed.ExitCode(), 0) << installed.Errors();
    std::vector<std::string> builtArguments = MainScene;
    builtArguments.push_back((elsewhere / "built.png").string());
    ChildProcess built(PULSESTAGE_SHOT_BINARY, builtArguments);
    ASSERT_EQ(built.ExitCode(), 0) << built.Errors();
    EXPECT_TRUE(Bytes(elsewhere / "installed.png") == Bytes(elsewhere / "built.png"));
}

TEST_F(InstallTest, ADataFolderThatCannotServeTheSceneEndsTheToolWithOneLineAndExitCodeOne)
{
    // A data folder whose figure is no picture at all.
    const fs::path damaged = elsewhere / "damaged";
    fs::create_directories(damaged);
    fs::copy("resources", damaged / "resources");
    std::ofstream(damaged / "resources" / "figur.png") << "not a picture\n";
    const std::string out = (elsewhere / "never.png").string();
    std::vector<std::string> arguments = MainScene;
    arguments.push_back(out);

    const std::pair<std::string, std::string> cases[] = {
        {damaged.string(),
         "pulsestage-shot: the scene needs figur.png, which cannot be loaded from " +
             damaged.string() + "/resources/\n"},
        {(elsewhere / "missing").string(), "pulsestage-shot: PULSESTAGE_DATA is \"" +
                                               (elsewhere / "missing").string() +
                                               "\", which is no folder; name the folder that "
                                               "holds resources/, or unset it\n"}};
    for (const auto& [data, message] : cases)
    {
        ChildProcess shot(PULSESTAGE_SHOT_BINARY, arguments, elsewhere,
                          {{"PULSESTAGE_DATA", data}});
        EXPECT_EQ(shot.ExitCode(), 1) << data;
        // The graphics library may have its say first.
        const std::string errors = shot.Errors();
        const std::size_t line = errors.rfind("pulsestage-shot: ");
        ASSERT_NE(line, std::string::npos) << errors;
        EXPECT_EQ(errors.substr(line), message);
        EXPECT_FALSE(fs::exists(out));
    }
}
