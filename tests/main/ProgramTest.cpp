// The program as a user starts it: a separate process with a real window, closed the way a window
// manager closes it.
#include "support/ChildProcess.hpp"
#include "support/DesktopWindow.hpp"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using testing_support::ChildProcess;
using testing_support::DesktopWindow;

namespace
{
// Starts the program in the folder, checks its window, closes it and checks the exit code.
void RunAndClose(const std::filesystem::path& folder)
{
    ChildProcess program(PULSESTAGE_BINARY, {}, folder);

    const auto window = DesktopWindow::WaitFor("SFML Window", std::chrono::seconds(20));
    ASSERT_TRUE(window) << "no window titled \"SFML Window\" appeared";
    EXPECT_EQ(window->GetWidth(), 1024u);
    EXPECT_EQ(window->GetHeight(), 600u);

    // Let it run some frames before it is asked to close.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(program.WaitForExit(std::chrono::seconds(0))) << "it ended by itself";
    window->RequestClose();

    const auto status = program.WaitForExit(std::chrono::seconds(20));
    ASSERT_TRUE(status) << "it did not end after the close request";
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 0);
}
} // namespace

TEST(Program, OpensItsWindowAndEndsWithZeroWhenAskedToClose)
{
    RunAndClose(std::filesystem::current_path());
}

TEST(Program, RunsWithoutItsResourcesFolder)
{
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("pulsestage-empty-" + std::to_string(getpid()));
    std::filesystem::create_directories(empty);
    RunAndClose(empty);
    std::filesystem::remove_all(empty);
}
