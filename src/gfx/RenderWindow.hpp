#pragma once

#include "gfx/Event.hpp"
#include "gfx/Input.hpp"
#include "gfx/RenderTarget.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <deque>
#include <optional>
#include <string>

namespace gfx
{
class Image;

// A window's size in pixels and its bits per pixel.
struct VideoMode
{
    VideoMode(unsigned int modeWidth, unsigned int modeHeight, unsigned int modeBitsPerPixel = 32)
        : width(modeWidth), height(modeHeight), bitsPerPixel(modeBitsPerPixel)
    {
    }

    unsigned int width;
    unsigned int height;
    unsigned int bitsPerPixel;
};

// What the window's OpenGL context is asked for.
struct WindowSettings
{
    explicit WindowSettings(unsigned int depth = 0, unsigned int stencil = 0,
                            unsigned int antialiasing = 0)
        : depthBits(depth), stencilBits(stencil), antialiasingLevel(antialiasing)
    {
    }

    unsigned int depthBits;
    unsigned int stencilBits;
    unsigned int antialiasingLevel;
};

// The window's decorations, combined with |.
namespace Style
{
enum : unsigned long
{
    None = 0,
    Titlebar = 1 << 0,
    Resize = 1 << 1,
    Close = 1 << 2,
    Default = Titlebar | Resize | Close
};
} // namespace Style

// The program's window: a render target with an event queue and the input state it feeds.
class RenderWindow final : public RenderTarget
{
public:
    // Asks for the settings as given; the system may grant less (a lower antialiasing level).
    RenderWindow(const VideoMode& mode, const std::string& title,
                 unsigned long style = Style::Default,
                 const WindowSettings& settings = WindowSettings());

    // Takes the next event: first those queued with PushEvent, then the system's unless they are
    // kept out. Every event taken updates the input state before it is returned.
    bool GetEvent(Event& event);
    // Queues an event ahead of the system's, as if the user had caused it.
    void PushEvent(const Event& event);
    // What GetEvent does with the system's events once they are kept out.
    enum class KeptOut
    {
        // Takes them and drops them unseen; the window still notes a new size the system reports.
        Dropped,
        // Leaves them queued for PollSystemEvent: for a caller that takes them itself before
        // each frame, so that one arriving in between waits for it instead of being lost.
        Left
    };
    // From now on only pushed events reach GetEvent's caller and the input state: a run fed with
    // them alone repeats exactly, whatever happens on the desktop meanwhile (another window
    // taking the focus, the pointer passing by).
    void KeepOutSystemEvents(KeptOut what = KeptOut::Dropped);
    // The system's next event, past the pushed ones and the input state: for waiting on the
    // system's answer to a new window or a resize.
    bool PollSystemEvent(Event& event);
    const Input& GetInput() const { return myInput; }

    void Display();
    // What the window shows so far in the frame being drawn, before Display.
    Image CopyToImage();
    void ShowMouseCursor(bool show);
    // What ShowMouseCursor last asked for; a new window shows the pointer.
    bool IsMouseCursorVisible() const { return myMouseCursorVisible; }
    void SetTitle(const std::string& title);
    // The picture the desktop shows for the window; an empty image leaves the icon as it was.
    void SetIcon(const Image& icon);
    // Resizes the window itself; the Resized event follows from the system.
    void SetSize(unsigned int width, unsigned int height);

    // The point of the view's scene under the given window pixel; the current view when none
    // is given. Exact for a view of one unit per pixel. A pixel beyond the left or top edge may
    // be given as a negative int cast to unsigned. A window without width (height) maps every
    // pixel to the view's left (top) edge.
    Vector2f ConvertCoords(unsigned int x, unsigned int y, const View* view = nullptr) const;

protected:
    sf::RenderTarget& GetNative() override { return myWindow; }
    const sf::RenderTarget& GetNative() const override { return myWindow; }

private:
    sf::RenderWindow myWindow;
    std::deque<Event> myQueuedEvents;
    // The system's events taken from SFML but not yet from this window: one of SFML's may stand
    // for two of the layer's.
    std::deque<Event> mySystemEvents;
    std::optional<KeptOut> myKeptOut;
    Input myInput;
    bool myMouseCursorVisible = true;
};
} // namespace gfx
