#pragma once

namespace gfx
{
// A connection to the display server that every window and off-screen image of the process
// needs. SFML ends the process (std::abort) when it cannot reach one; connecting first lets a
// program say why and end cleanly instead. Hold it until the window has opened: a server that
// resets when its last client leaves (Xvfb without -noreset) could otherwise refuse the window's
// own connection while it resets.
class Display
{
public:
    // Connects to the display that DISPLAY names. Throws std::runtime_error with one line saying
    // what is wrong when DISPLAY is unset or empty, or names no server that answers.
    Display();
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

private:
    // Xlib, loaded at run time, and the connection; null when Xlib could not be loaded, in which
    // case SFML is left to try.
    void* myXlib = nullptr;
    void* myConnection = nullptr;
};
} // namespace gfx
