#include "gfx/RenderWindow.hpp"

#include "main/ProgramWindow.hpp"
#include "stage/SyntheticEvents.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace events;

TEST(RenderWindow, ConvertCoordsMapsPixelsThroughTheView)
{
    const auto opened = ProgramWindow::Open(1024, 600, "SFML Window", 0);
    gfx::RenderWindow& window = *opened;
    // One unit per pixel, every pixel is exactly its own scene point, also beyond the left and
    // top edges, where a drag reports negative pixels cast to unsigned.
    unsigned int inexact = 0;
    for (unsigned int y = 0; y < 600; ++y)
    {
        for (unsigned int x = 0; x < 1024; ++x)
        {
            inexact += window.ConvertCoords(x, y) == gfx::Vector2f(x, y) ? 0 : 1;
        }
    }
    EXPECT_EQ(inexact, 0u) << "pixel (150, 100) maps to y " << window.ConvertCoords(150, 100).y;
    EXPECT_EQ(window.ConvertCoords(static_cast<unsigned int>(-7), static_cast<unsigned int>(-1)),
              gfx::Vector2f(-7.f, -1.f));

    // Zoom divides the half size: the window shows 200 x 100 units, a pixel is 200 / 1024 units
    // wide and 100 / 600 units high.
    gfx::View view(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(200.f, 100.f));
    view.Zoom(2.f);
    view.Zoom(0.f);
    view.Move(10.f, 0.f);
    EXPECT_EQ(window.ConvertCoords(0, 0, &view), gfx::Vector2f(-90.f, -50.f));
    EXPECT_EQ(window.ConvertCoords(1024, 600, &view), gfx::Vector2f(110.f, 50.f));
    EXPECT_EQ(window.ConvertCoords(5, 3, &view), gfx::Vector2f(-90.f + 1000.f / 1024.f, -49.5f));

    view.SetFromRect(gfx::FloatRect(0.f, 0.f, 40.f, 20.f));
    EXPECT_EQ(window.ConvertCoords(1024, 600, &view), gfx::Vector2f(40.f, 20.f));
    view.SetHalfSize(gfx::Vector2f(400.f, 200.f));
    window.SetView(view);
    EXPECT_EQ(window.ConvertCoords(0, 0), gfx::Vector2f(-380.f, -190.f));
}

TEST(RenderWindow, PushedEventsComeFirstInOrderAndUpdateTheInput)
{
    const auto opened = ProgramWindow::Open(300, 200, "SFML Window", 0);
    gfx::RenderWindow& window = *opened;
    // Provoke an event from the system and give it time to arrive before the pushed ones.
    window.SetSize(320, 240);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    window.PushEvent(KeyPressed(gfx::Keyboard::A));
    window.PushEvent(MouseMoved(12, 34));
    window.PushEvent(KeyReleased(gfx::Keyboard::A));
    const gfx::Input& input = window.GetInput();

    gfx::Event event;
    ASSERT_TRUE(window.GetEvent(event) && event.type == gfx::Event::KeyPressed);
    EXPECT_TRUE(input.IsKeyDown(gfx::Keyboard::A));
    ASSERT_TRUE(window.GetEvent(event) && event.type == gfx::Event::MouseMoved);
    ASSERT_TRUE(window.GetEvent(event) && event.type == gfx::Event::KeyReleased);
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::A));
    // The system's report of the new size follows.
    bool resized = false;
    for (int attempt = 0; attempt < 200 && !resized; ++attempt)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        resized = window.GetEvent(event) && event.type == gfx::Event::Resized;
    }
    EXPECT_TRUE(resized);
}
