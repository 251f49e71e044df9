#include "support/TestApp.hpp"

#include <chrono>
#include <thread>

namespace testing_support
{
TestApp::TestApp(unsigned int width, unsigned int height)
    : myWindow(std::make_unique<gfx::RenderWindow>(gfx::VideoMode(width, height, 32), "SFML Window",
                                                   gfx::Style::Titlebar | gfx::Style::Resize |
                                                       gfx::Style::Close,
                                                   gfx::WindowSettings(24, 8, 0))),
      myImages("resources/"), myApp{myWindow.get(), &myManager, &myImages}
{
    myManager.SetApp(&myApp);
    DrainStartupEvents();
}

void TestApp::DrainStartupEvents()
{
    // A new window reports that it was mapped, sized, focused and entered; tests want to see
    // only the events they queue, so wait until the system has gone quiet for a moment.
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(500);
    auto lastEvent = Clock::now();
    gfx::Event event;
    while (Clock::now() < deadline && Clock::now() - lastEvent < std::chrono::milliseconds(30))
    {
        if (myWindow->GetEvent(event))
        {
            lastEvent = Clock::now();
        }
        else
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
}

void TestApp::Resize(unsigned int width, unsigned int height)
{
    const bool changes = myWindow->GetWidth() != width || myWindow->GetHeight() != height;
    myWindow->SetSize(width, height);
    // The system reports the new size later; waiting for its event here keeps it from arriving
    // after a later resize and taking the window back to this size.
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    gfx::Event event;
    bool reported = !changes;
    while (!reported && Clock::now() < deadline)
    {
        if (!myWindow->GetEvent(event))
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        reported = event.type == gfx::Event::Resized && event.size.width == width &&
                   event.size.height == height;
    }
    Push(Resized(width, height));
}

namespace
{
gfx::Event OfType(gfx::Event::EventType type)
{
    gfx::Event event{};
    event.type = type;
    return event;
}

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
} // namespace testing_support
