#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace testing_support
{
// A top-level window of another process, seen through the display as a window manager sees it.
class DesktopWindow
{
public:
    // Waits until a top-level window with this title exists.
    static std::optional<DesktopWindow> WaitFor(const std::string& title,
                                                std::chrono::milliseconds limit);
    ~DesktopWindow();
    DesktopWindow(DesktopWindow&&) noexcept;
    DesktopWindow& operator=(DesktopWindow&&) noexcept;

    unsigned int GetWidth() const;
    unsigned int GetHeight() const;
    // The class of WM_CLASS, by which desktops match the window to its desktop entry.
    std::string GetClass() const;
    // The side of the window's square icon (_NET_WM_ICON), 0 without one.
    unsigned long GetIconSide() const;
    // Asks the window to close, as a window manager does when its close button is pressed.
    void RequestClose() const;

private:
    struct Connection;
    DesktopWindow(std::unique_ptr<Connection> connection, unsigned long window);

    std::unique_ptr<Connection> myConnection;
    unsigned long myWindow;
};
} // namespace testing_support
