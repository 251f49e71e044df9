// The build installed into a prefix of its own, as a user or a package installs it, and its
// programs started from elsewhere.
#include "support/ChildProcess.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

using testing_support::ChildProcess;
using testing_support::FileContents;

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

// The main scene after some frames, which shows every picture: the figure, both shelves of
// chickens and the cursor.
ChildProcess DrawMainScene(const std::string& binary, const fs::path& out,
                           const fs::path& folder = fs::current_path(),
                           const ChildProcess::Environment& changes = {})
{
    return ChildProcess(binary, {"--scene", "main", "--frames", "30", "--out", out.string()},
                        folder, changes);
}
} // namespace

TEST_F(InstallTest, TheInstalledToolDrawsTheMainSceneWithAllItsPicturesFromAnyFolder)
{
    ChildProcess install(PULSESTAGE_CMAKE,
                         {"--install", PULSESTAGE_BUILD_FOLDER, "--prefix", prefix.string()});
    ASSERT_EQ(install.ExitCode(), 0) << install.Errors();
    for (const char* file :
         {"bin/pulsestage", "bin/pulsestage-scene", "share/applications/pulsestage.desktop",
          "share/icons/hicolor/256x256/apps/pulsestage.png",
          "share/metainfo/org.pulsestage.pulsestage.metainfo.xml",
          "share/doc/pulsestage/copyright"})
    {
        EXPECT_TRUE(fs::exists(prefix / file)) << file;
    }

    // Drawn by the installed copy, far from any resources/, and by the build in the repository
    // root: the same arguments give the same bytes only when both found every picture.
    ChildProcess installed =
        DrawMainScene((prefix / "bin" / "pulsestage-shot").string(), elsewhere / "installed.png",
                      elsewhere, {{"PULSESTAGE_DATA", std::nullopt}});
    ASSERT_EQ(installed.ExitCode(), 0) << installed.Errors();
    ChildProcess built = DrawMainScene(PULSESTAGE_SHOT_BINARY, elsewhere / "built.png");
    ASSERT_EQ(built.ExitCode(), 0) << built.Errors();
    EXPECT_TRUE(FileContents(elsewhere / "installed.png") == FileContents(elsewhere / "built.png"));
}

TEST_F(InstallTest, ADataFolderThatCannotServeTheSceneEndsTheToolWithOneLineAndExitCodeOne)
{
    // A data folder whose figure is no picture at all, and one that does not exist.
    const fs::path damaged = elsewhere / "damaged";
    fs::create_directories(damaged);
    fs::copy("resources", damaged / "resources");
    std::ofstream(damaged / "resources" / "figur.png") << "not a picture\n";
    const fs::path missing = elsewhere / "missing";
    const std::pair<fs::path, std::string> cases[] = {
        {damaged, "the scene needs figur.png, which cannot be loaded from " + damaged.string() +
                      "/resources/\n"},
        {missing, "PULSESTAGE_DATA is \"" + missing.string() +
                      "\", which is no folder; name the folder that holds resources/, or unset "
                      "it\n"}};
    for (const auto& [data, message] : cases)
    {
        ChildProcess shot = DrawMainScene(PULSESTAGE_SHOT_BINARY, elsewhere / "never.png",
                                          elsewhere, {{"PULSESTAGE_DATA", data.string()}});
        EXPECT_EQ(shot.ExitCode(), 1) << data;
        // The graphics library may have its say first.
        const std::string errors = shot.Errors();
        EXPECT_EQ(errors.substr(std::min(errors.size(), errors.rfind("pulsestage-shot: "))),
                  "pulsestage-shot: " + message);
        EXPECT_FALSE(fs::exists(elsewhere / "never.png"));
    }
}
