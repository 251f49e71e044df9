// The program as a user starts it: a separate process with a real window, closed the way a window
// manager closes it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
using Clock = std::chrono::steady_clock;

struct DisplayCloser
{
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// The top-level window with this title, if there is one.
std::optional<Window> FindWindow(Display* display, const std::string& title)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
    {
        return std::nullopt;
    }
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i)
    {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name)
        {
            if (title == name)
            {
                found = children[i];
            }
            XFree(name);
        }
    }
    XFree(children);
    return found;
}

// Asks the window to close, as a window manager does when its close button is pressed.
void RequestClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

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

std::optional<Window> WaitForWindow(Display* display, std::chrono::seconds limit)
{
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline)
    {
        if (const auto window = FindWindow(display, "SFML Window"))
        {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

// Starts the program in the folder, checks its window, closes it and checks the exit code.
void RunAndClose(const std::filesystem::path& folder)
{
    const DisplayPtr display(XOpenDisplay(nullptr));
    ASSERT_TRUE(display) << "no display";
    Program program(folder);

    const auto window = WaitForWindow(display.get(), std::chrono::seconds(20));
    ASSERT_TRUE(window) << "no window titled \"SFML Window\" appeared";
    XWindowAttributes attributes{};
    XGetWindowAttributes(display.get(), *window, &attributes);
    EXPECT_EQ(attributes.width, 1024);
    EXPECT_EQ(attributes.height, 600);

    // Let it run some frames before it is asked to close.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(program.WaitForExit(std::chrono::seconds(0))) << "it ended by itself";
    RequestClose(display.get(), *window);

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
