#pragma once

#include "gfx/Event.hpp"
#include "gfx/Input.hpp"
#include "gfx/RenderTarget.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <deque>
#include <string>

namespace gfx
{
class Image;

using VideoMode = sf::VideoMode;
// Depth bits, stencil bits and antialiasing level, in this order.
using WindowSettings = sf::ContextSettings;
namespace Style = sf::Style;

// The program's window: a render target with an event queue and the input state it feeds.
class RenderWindow final : public RenderTarget
{
public:
    // Asks for the settings as given; the system may grant less (a lower antialiasing level).
    RenderWindow(const VideoMode& mode, const std::string& title,
                 unsigned long style = Style::Default,
                 const WindowSettings& settings = WindowSettings());

    // Takes the next event: first those queued with PushEvent, then the system's. Every event
    // taken updates the input state before it is returned.
    bool GetEvent(Event& event);
    // Queues an event ahead of the system's, as if the user had caused it.
    void PushEvent(const Event& event);
    const Input& GetInput() const { return myInput; }

    void Display();
    void ShowMouseCursor(bool show);
    void SetTitle(const std::string& title);
    // The picture the desktop shows for the window; an empty image leaves the icon as it was.
    void SetIcon(const Image& icon);
    // Resizes the window itself; the Resized event follows from the system.
    void SetSize(unsigned int width, unsigned int height);

    // The point of the view's scene under the given window pixel; the current view when none
    // is given.
    Vector2f ConvertCoords(unsigned int x, unsigned int y, const View* view = nullptr) const;

protected:
    sf::RenderTarget& GetNative() override { return myWindow; }
    const sf::RenderTarget& GetNative() const override { return myWindow; }

private:
    sf::RenderWindow myWindow;
    std::deque<Event> myQueuedEvents;
    Input myInput;
};
} // namespace gfx
