#include "gfx/RenderWindow.hpp"

namespace gfx
{
RenderWindow::RenderWindow(const VideoMode& mode, const std::string& title, unsigned long style,
                           const WindowSettings& settings)
    : myWindow(mode, title, static_cast<sf::Uint32>(style), settings)
{
    SetView(
        View(FloatRect(0.f, 0.f, static_cast<float>(mode.width), static_cast<float>(mode.height))));
}

bool RenderWindow::GetEvent(Event& event)
{
    if (!myQueuedEvents.empty())
    {
        event = myQueuedEvents.front();
        myQueuedEvents.pop_front();
    }
    else if (!myWindow.pollEvent(event))
    {
        return false;
    }
    myInput.OnEvent(event);
    return true;
}

void RenderWindow::PushEvent(const Event& event)
{
    myQueuedEvents.push_back(event);
}

void RenderWindow::Display()
{
    myWindow.display();
}

void RenderWindow::ShowMouseCursor(bool show)
{
    myWindow.setMouseCursorVisible(show);
}

void RenderWindow::SetSize(unsigned int width, unsigned int height)
{
    myWindow.setSize(sf::Vector2u(width, height));
}

Vector2f RenderWindow::ConvertCoords(unsigned int x, unsigned int y, const View* view) const
{
    const View& through = view ? *view : GetView();
    return myWindow.mapPixelToCoords(sf::Vector2i(static_cast<int>(x), static_cast<int>(y)),
                                     through.ToNative());
}
} // namespace gfx
