#include "gfx/RenderWindow.hpp"

#include "gfx/Image.hpp"

#include <vector>

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

void RenderWindow::SetTitle(const std::string& title)
{
    myWindow.setTitle(title);
}

void RenderWindow::SetIcon(const Image& icon)
{
    std::vector<sf::Uint8> pixels;
    pixels.reserve(static_cast<std::size_t>(icon.GetWidth()) * icon.GetHeight() * 4);
    for (unsigned int y = 0; y < icon.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < icon.GetWidth(); ++x)
        {
            const Color pixel = icon.GetPixel(x, y);
            pixels.insert(pixels.end(), {pixel.r, pixel.g, pixel.b, pixel.a});
        }
    }
    if (!pixels.empty())
    {
        myWindow.setIcon(icon.GetWidth(), icon.GetHeight(), pixels.data());
    }
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
