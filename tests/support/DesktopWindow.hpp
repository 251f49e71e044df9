#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// Xlib's connection to a display; Xlib's macros stay in the source file.
struct _XDisplay;

namespace testing_support
{
// A top-level window of another process, seen through the display as a window manager sees it.
class DesktopWindow
{
public:
    // Waits until a top-level window with this title exists.
    static std::optional<DesktopWindow> WaitFor(const std::string& title,
                                                std::chrono::milliseconds limit);

    // Waits until the window no longer exists. The server destroys a window some time after its
    // process has ended, and may list it meanwhile.
    bool WaitUntilGone(std::chrono::milliseconds limit) const;

    unsigned int GetWidth() const { return GetSize().first; }
    unsigned int GetHeight() const { return GetSize().second; }
    // The class of WM_CLASS, by which desktops match the window to its desktop entry.
    std::string GetClass() const;
    // The side of the window's square icon (_NET_WM_ICON), 0 without one.
    unsigned long GetIconSide() const;
    // Asks the window to close, as a window manager does when its close button is pressed.
    void RequestClose() const;
    // Input as the X server delivers a user's, at the point (x, y) of the window: the A key
    // pressed and released; the pointer moved there; one step of the wheel forwards there; the
    // pointer entering and leaving; the keyboard focus lost.
    enum class Input
    {
        Key,
        Move,
        WheelStep,
        Enter,
        Leave,
        FocusLoss
    };
    void Send(Input input, int x, int y) const;

private:
    std::pair<unsigned int, unsigned int> GetSize() const;

    DesktopWindow(std::shared_ptr<_XDisplay> display, unsigned long window)
        : myDisplay(std::move(display)), myWindow(window)
    {
    }

    std::shared_ptr<_XDisplay> myDisplay;
    unsigned long myWindow;
};
} // namespace testing_support
