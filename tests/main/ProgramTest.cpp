// The program as a user starts it: a separate process with a real window, closed the way a window
// manager closes it, as is pulsestage-scene's; and all three programs of the build on their command
// lines.
#include "support/ChildProcess.hpp"
#include "support/DesktopWindow.hpp"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using testing_support::ChildProcess;
using testing_support::DesktopWindow;
namespace fs = std::filesystem;

namespace
{
// Starts the program in the folder, checks its window and its icon's side, closes it and checks
// the exit code and its own line on standard error, if any.
void RunAndClose(const fs::path& folder, unsigned long iconSide, const std::string& line,
                 const std::string& binary = PULSESTAGE_BINARY,
                 const std::vector<std::string>& arguments = {})
{
    SCOPED_TRACE(fs::path(binary).filename().string() + " in " + folder.string());
    ChildProcess program(binary, arguments, folder);
    const auto window = DesktopWindow::WaitFor("SFML Window", std::chrono::seconds(20));
    ASSERT_TRUE(window) << "no window titled \"SFML Window\" appeared";
    EXPECT_EQ(window->GetWidth(), 1024u);
    EXPECT_EQ(window->GetHeight(), 600u);
    EXPECT_EQ(window->GetClass(), "pulsestage");
    EXPECT_EQ(window->GetIconSide(), iconSide);

    // Let it run some frames before it is asked to close.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(program.WaitForExit(std::chrono::seconds(0))) << "it ended by itself";
    window->RequestClose();
    const std::optional<int> status = program.WaitForExit(std::chrono::seconds(20));
    EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
        << "after the close request "
        << (!status ? "it still ran 20 s later"
            : WIFSIGNALED(*status)
                ? "signal " + std::to_string(WTERMSIG(*status)) + " ended it"
                : "it ended with exit code " + std::to_string(WEXITSTATUS(*status)))
        << "; it wrote:\n"
        << program.Output() << program.Errors();
    // Else the next program's window could be confused with this one's.
    EXPECT_TRUE(window->WaitUntilGone(std::chrono::seconds(5))) << "its window outlived it";

    // The graphics library may have its say besides.
    const std::string errors = program.Errors();
    const std::size_t start = std::min(errors.find("pulsestage: "), errors.size());
    EXPECT_EQ(errors.substr(start, errors.find('\n', start) + 1 - start), line) << errors;
}

struct Program
{
    std::string Name;
    std::string Binary;
    // What makes it open a window.
    std::vector<std::string> Work;
};

const Program Programs[] = {
    {"pulsestage", PULSESTAGE_BINARY, {}},
    {"pulsestage-scene", PULSESTAGE_SCENE_BINARY, {"main"}},
    {"pulsestage-shot",
     PULSESTAGE_SHOT_BINARY,
     {"--scene", "main", "--out", (fs::temp_directory_path() / "pulsestage-never.png").string()}}};
} // namespace

TEST(Program, OpensItsWindowAndEndsWithZeroWhenAskedToCloseWithOrWithoutItsPictures)
{
    RunAndClose(fs::current_path(), 256, "");
    // pulsestage-scene runs the named scene in the same window.
    RunAndClose(fs::current_path(), 256, "", PULSESTAGE_SCENE_BINARY, {"main"});

    // Without its pictures it has no icon, and says where it looked for them.
    const fs::path empty =
        fs::temp_directory_path() / ("pulsestage-empty-" + std::to_string(getpid()));
    fs::create_directories(empty);
    RunAndClose(empty, 0,
                "pulsestage: no folder holds the pictures: looked for resources/ with cursor.png, "
                "figur.png, haehnchen.png and pulsestage.png in " +
                    empty.string() + ", " +
                    (fs::path(PULSESTAGE_BUILD_FOLDER) / ".." / "share" / "pulsestage")
                        .lexically_normal()
                        .string() +
                    " and " PULSESTAGE_INSTALLED_DATA
                    "; set PULSESTAGE_DATA to the folder that holds it\n");
    fs::remove_all(empty);
}

TEST(Program, AllThreeAnswerHelpAndVersionAndRefuseAWrongArgumentWithTheUsage)
{
    for (const Program& program : Programs)
    {
        ChildProcess help(program.Binary, {"--help"});
        EXPECT_EQ(help.ExitCode(), 0) << program.Name;
        EXPECT_EQ(help.Output().rfind("Usage: " + program.Name + " ", 0), 0u) << help.Output();

        ChildProcess version(program.Binary, {"--version"});
        EXPECT_EQ(version.ExitCode(), 0) << program.Name;
        EXPECT_EQ(version.Output(), "pulsestage " PULSESTAGE_VERSION "\n") << program.Name;

        ChildProcess wrong(program.Binary, {"--fast"});
        EXPECT_EQ(wrong.ExitCode(), 2) << program.Name;
        const std::string errors = wrong.Errors();
        EXPECT_EQ(errors.rfind(program.Name + ": ", 0), 0u) << errors;
        EXPECT_NE(errors.find("--help"), std::string::npos) << errors;
    }
}

TEST(Program, AllThreeEndWithOneLineAndExitCodeOneWithoutADisplayToReach)
{
    // No server listens at :5 while the tests run; "bogus" is no display name at all.
    for (const auto& display : {std::optional<std::string>(), std::optional<std::string>(":5"),
                                std::optional<std::string>("bogus")})
    {
        for (const Program& program : Programs)
        {
            ChildProcess run(program.Binary, program.Work, fs::current_path(),
                             {{"DISPLAY", display}});
            EXPECT_EQ(run.ExitCode(), 1) << program.Name << " " << display.value_or("unset");
            const std::string errors = run.Errors();
            EXPECT_EQ(errors.rfind(program.Name + ": no display: ", 0), 0u) << errors;
            EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
        }
    }
}
