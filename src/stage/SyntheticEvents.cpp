#include "stage/SyntheticEvents.hpp"

namespace events
{
namespace
{
gfx::Event Button(gfx::Event::EventType type, gfx::Mouse::Button button, int x, int y)
{
    gfx::Event event = OfType(type);
    event.mouseButton.button = button;
    event.mouseButton.x = x;
    event.mouseButton.y = y;
    return event;
}

gfx::Event Key(gfx::Event::EventType type, gfx::Keyboard::Key key)
{
    gfx::Event event = OfType(type);
    event.key.code = key;
    return event;
}
} // namespace

gfx::Event OfType(gfx::Event::EventType type)
{
    gfx::Event event{};
    event.type = type;
    return event;
}

gfx::Event Closed()
{
    return OfType(gfx::Event::Closed);
}

gfx::Event Resized(unsigned int width, unsigned int height)
{
    gfx::Event event = OfType(gfx::Event::Resized);
    event.size.width = width;
    event.size.height = height;
    return event;
}

gfx::Event KeyPressed(gfx::Keyboard::Key key)
{
    return Key(gfx::Event::KeyPressed, key);
}

gfx::Event KeyReleased(gfx::Keyboard::Key key)
{
    return Key(gfx::Event::KeyReleased, key);
}

gfx::Event MousePressed(gfx::Mouse::Button button, int x, int y)
{
    return Button(gfx::Event::MouseButtonPressed, button, x, y);
}

gfx::Event MouseReleased(gfx::Mouse::Button button, int x, int y)
{
    return Button(gfx::Event::MouseButtonReleased, button, x, y);
}

gfx::Event MouseMoved(int x, int y)
{
    gfx::Event event = OfType(gfx::Event::MouseMoved);
    event.mouseMove.x = x;
    event.mouseMove.y = y;
    return event;
}

gfx::Event MouseWheelMoved(int delta, int x, int y)
{
    gfx::Event event = OfType(gfx::Event::MouseWheelMoved);
    event.mouseWheel.delta = delta;
    event.mouseWheel.x = x;
    event.mouseWheel.y = y;
    return event;
}

gfx::Event MouseWheelScrolled(float delta, int x, int y)
{
    gfx::Event event = OfType(gfx::Event::MouseWheelScrolled);
    event.mouseWheelScroll.wheel = gfx::Mouse::VerticalWheel;
    event.mouseWheelScroll.delta = delta;
    event.mouseWheelScroll.x = x;
    event.mouseWheelScroll.y = y;
    return event;
}

gfx::Event MouseEntered()
{
    return OfType(gfx::Event::MouseEntered);
}

gfx::Event MouseLeft()
{
    return OfType(gfx::Event::MouseLeft);
}
} // namespace events
