#include "stage/WindowSettling.hpp"

#include "gfx/RenderWindow.hpp"

#include <chrono>
#include <thread>

namespace
{
using SteadyClock = std::chrono::steady_clock;

void Pause()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
}
} // namespace

void DropStartupEvents(gfx::RenderWindow& window)
{
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(500);
    auto lastEvent = SteadyClock::now();
    gfx::Event event;
    while (SteadyClock::now() < deadline &&
           SteadyClock::now() - lastEvent < std::chrono::milliseconds(30))
    {
        if (window.PollSystemEvent(event))
        {
            lastEvent = SteadyClock::now();
        }
        else
        {
            Pause();
        }
    }
}

bool ResizeAndAwaitReport(gfx::RenderWindow& window, unsigned int width, unsigned int height)
{
    // The system reports nothing when the size does not change.
    bool reported = window.GetWidth() == width && window.GetHeight() == height;
    window.SetSize(width, height);
    const auto deadline = SteadyClock::now() + std::chrono::seconds(2);
    gfx::Event event;
    while (!reported && SteadyClock::now() < deadline)
    {
        if (!window.PollSystemEvent(event))
        {
            Pause();
            continue;
        }
        reported = event.type == gfx::Event::Resized && event.size.width == width &&
                   event.size.height == height;
    }
    return reported;
}
