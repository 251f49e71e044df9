// The program as a user starts it: a separate process with a real window, closed the way a window
// manager closes it; and all three programs of the build on their command lines.
#include "support/ChildProcess.hpp"
#include "support/DesktopWindow.hpp"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using testing_support::ChildProcess;
using testing_support::DesktopWindow;

namespace
{
// Starts the program in the folder, checks its window and its icon's side, closes it and checks
// the exit code. Returns what it said on standard error.
std::string RunAndClose(const std::filesystem::path& folder, unsigned long iconSide)
{
    ChildProcess program(PULSESTAGE_BINARY, {}, folder);

    const auto window = DesktopWindow::WaitFor("SFML Window", std::chrono::seconds(20));
    EXPECT_TRUE(window) << "no window titled \"SFML Window\" appeared";
    if (!window)
    {
        return program.Errors();
    }
    EXPECT_EQ(window->GetWidth(), 1024u);
    EXPECT_EQ(window->GetHeight(), 600u);
    EXPECT_EQ(window->GetClass(), "pulsestage");
    EXPECT_EQ(window->GetIconSide(), iconSide);

    // Let it run some frames before it is asked to close.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(program.WaitForExit(std::chrono::seconds(0))) << "it ended by itself";
    window->RequestClose();

    const auto status = program.WaitForExit(std::chrono::seconds(20));
    EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
        << "it did not end with exit code 0 after the close request";
    return program.Errors();
}

struct Program
{
    std::string Name;
    std::string Binary;
    // What makes it open a window.
    std::vector<std::string> Work;
};

const std::vector<Program>& Programs()
{
    static const std::vector<Program> programs = {
        {"pulsestage", PULSESTAGE_BINARY, {}},
        {"pulsestage-scene", PULSESTAGE_SCENE_BINARY, {"main"}},
        {"pulsestage-shot",
         PULSESTAGE_SHOT_BINARY,
         {"--scene", "main", "--out",
          (std::filesystem::temp_directory_path() / "pulsestage-never.png").string()}}};
    return programs;
}

long Lines(const std::string& text)
{
    return std::count(text.begin(), text.end(), '\n');
}
} // namespace

TEST(Program, OpensItsWindowWithItsIconAndEndsWithZeroWhenAskedToClose)
{
    // The graphics library may have its say; the program itself has nothing to report.
    const std::string errors = RunAndClose(std::filesystem::current_path(), 256);
    EXPECT_EQ(errors.find("pulsestage:"), std::string::npos) << errors;
}

TEST(Program, RunsWithoutItsPicturesAndSaysWhereItLookedForThem)
{
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("pulsestage-empty-" + std::to_string(getpid()));
    std::filesystem::create_directories(empty);
    // The graphics library has its say after the program's own line.
    const std::string errors = RunAndClose(empty, 0);
    const std::size_t line = errors.find("pulsestage: ");
    EXPECT_EQ(line == std::string::npos ? errors
                                        : errors.substr(line, errors.find('\n', line) + 1 - line),
              "pulsestage: no folder holds the pictures: looked for resources/ with cursor.png, "
              "figur.png, haehnchen.png and pulsestage.png in " +
                  empty.string() + ", " +
                  (std::filesystem::path(PULSESTAGE_BUILD_FOLDER) / ".." / "share" / "pulsestage")
                      .lexically_normal()
                      .string() +
                  " and " PULSESTAGE_INSTALLED_DATA
                  "; set PULSESTAGE_DATA to the folder that holds it\n");
    std::filesystem::remove_all(empty);
}

TEST(Program, AllThreeAnswerHelpAndVersionAndRefuseAWrongArgumentWithTheUsage)
{
    for (const Program& program : Programs())
    {
        ChildProcess help(program.Binary, {"--help"});
        EXPECT_EQ(help.ExitCode(), 0) << program.Name;
        EXPECT_EQ(help.Output().rfind("Usage: " + program.Name + " ", 0), 0u) << help.Output();

        ChildProcess version(program.Binary, {"--version"});
        EXPECT_EQ(version.ExitCode(), 0) << program.Name;
        EXPECT_EQ(version.Output(), "pulsestage " PULSESTAGE_VERSION "\n") << program.Name;
        EXPECT_EQ(version.Errors(), "") << program.Name;

        ChildProcess wrong(program.Binary, {"--fast"});
        EXPECT_EQ(wrong.ExitCode(), 2) << program.Name;
        EXPECT_EQ(wrong.Errors().rfind(program.Name + ": ", 0), 0u) << wrong.Errors();
        EXPECT_NE(wrong.Errors().find("--help"), std::string::npos) << wrong.Errors();
        EXPECT_EQ(wrong.Output(), "") << program.Name;
    }
}

TEST(Program, AllThreeEndWithOneLineAndExitCodeOneWithoutADisplayToReach)
{
    // No server listens at :5 while the tests run; "bogus" is no display name at all.
    for (const std::optional<std::string>& display :
         {std::optional<std::string>(), std::optional<std::string>(":5"),
          std::optional<std::string>("bogus")})
    {
        for (const Program& program : Programs())
        {
            ChildProcess run(program.Binary, program.Work, std::filesystem::current_path(),
                             {{"DISPLAY", display}});
            EXPECT_EQ(run.ExitCode(), 1) << program.Name << " " << display.value_or("unset");
            EXPECT_EQ(run.Errors().rfind(program.Name + ": no display: ", 0), 0u) << run.Errors();
            EXPECT_EQ(Lines(run.Errors()), 1) << run.Errors();
        }
    }
}
