#include "gfx/RenderWindow.hpp"

#include "gfx/Image.hpp"
#include "gfx/SfmlAdapter.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <cstdint>
#include <vector>

namespace gfx
{
namespace
{
// One axis of the pixel-to-scene mapping, left + pixel * width / pixels, as SFML 1.x did it:
// exact for a view of one unit per pixel, where SFML 2's inverse matrix is off in the last bits
// for some pixels. An axis without pixels maps every pixel to the view's edge, not to NaN.
float MapPixel(int pixel, float center, float halfSize, unsigned int pixels)
{
    const double left = static_cast<double>(center) - halfSize;
    if (pixels == 0)
    {
        return static_cast<float>(left);
    }
    return static_cast<float>(left + pixel * 2.0 * halfSize / pixels);
}
} // namespace

RenderWindow::RenderWindow(const VideoMode& mode, const std::string& title, unsigned long style,
                           const WindowSettings& settings)
{
    SfmlAdapter::OpenWindow(myWindow, mode, title, style, settings);
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
    else if (myKeptOut)
    {
        if (*myKeptOut == KeptOut::Dropped)
        {
            // Still taken from the system, so that none piles up and a new size is noted.
            Event dropped;
            while (PollSystemEvent(dropped))
            {
            }
        }
        return false;
    }
    else if (!PollSystemEvent(event))
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

void RenderWindow::KeepOutSystemEvents(KeptOut what)
{
    myKeptOut = what;
}

bool RenderWindow::PollSystemEvent(Event& event)
{
    if (mySystemEvents.empty() && !SfmlAdapter::PollEvent(myWindow, mySystemEvents))
    {
        return false;
    }
    event = mySystemEvents.front();
    mySystemEvents.pop_front();
    return true;
}

void RenderWindow::Display()
{
    Flush();
    myWindow.display();
}

Image RenderWindow::CopyToImage()
{
    Flush();
    sf::Texture pixels;
    if (!SfmlAdapter::CreateTexture(pixels, GetWidth(), GetHeight()))
    {
        return Image();
    }
    pixels.update(myWindow);
    return Image::FromNative(pixels.copyToImage());
}

void RenderWindow::ShowMouseCursor(bool show)
{
    myWindow.setMouseCursorVisible(show);
    myMouseCursorVisible = show;
}

void RenderWindow::SetTitle(const std::string& title)
{
    myWindow.setTitle(title);
}

void RenderWindow::SetIcon(const Image& icon)
{
    std::vector<std::uint8_t> pixels;
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
        SfmlAdapter::SetIcon(myWindow, icon.GetWidth(), icon.GetHeight(), pixels.data());
    }
}

void RenderWindow::SetSize(unsigned int width, unsigned int height)
{
    myWindow.setSize(sf::Vector2u(width, height));
}

Vector2f RenderWindow::ConvertCoords(unsigned int x, unsigned int y, const View* view) const
{
    const View& through = view ? *view : GetView();
    const Vector2f& center = through.GetCenter();
    const Vector2f& halfSize = through.GetHalfSize();
    // A pixel beyond the left or top edge arrives as a negative int cast to unsigned.
    return Vector2f(MapPixel(static_cast<int>(x), center.x, halfSize.x, GetWidth()),
                    MapPixel(static_cast<int>(y), center.y, halfSize.y, GetHeight()));
}
} // namespace gfx
