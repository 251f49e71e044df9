// The program as a user starts it: a separate process with a real window, closed the way a window
// manager closes it.
#include "support/DesktopWindow.hpp"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using testing_support::DesktopWindow;

namespace
{
using Clock = std::chrono::steady_clock;

class Program
{
public:
    // Starts the program in the given folder.
    explicit Program(const std::filesystem::path& folder)
    {
        myPid = fork();
        if (myPid == 0)
        {
            if (chdir(folder.c_str()) == 0)
            {
                execl(PULSESTAGE_BINARY, PULSESTAGE_BINARY, static_cast<char*>(nullptr));
            }
            _exit(127);
        }
    }

    ~Program()
    {
        if (myPid > 0 && !myStatus)
        {
            kill(myPid, SIGKILL);
            waitpid(myPid, nullptr, 0);
        }
    }

    // The exit status once the process has ended within the time given.
    std::optional<int> WaitForExit(std::chrono::seconds limit)
    {
        const auto deadline = Clock::now() + limit;
        while (!myStatus && Clock::now() < deadline)
        {
            int status = 0;
            if (waitpid(myPid, &status, WNOHANG) == myPid)
            {
                myStatus = status;
            }
            else
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        return myStatus;
    }

private:
    pid_t myPid = -1;
    std::optional<int> myStatus;
};

// Starts the program in the folder, checks its window, closes it and checks the exit code.
void RunAndClose(const std::filesystem::path& folder)
{
    Program program(folder);

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
