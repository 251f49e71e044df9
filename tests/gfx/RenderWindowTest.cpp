#include "gfx/RenderWindow.hpp"

#include "support/TestApp.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace testing_support;

namespace
{
void ExpectNear(const gfx::Vector2f& actual, const gfx::Vector2f& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-3f);
    EXPECT_NEAR(actual.y, expected.y, 1e-3f);
}
} // namespace

TEST(RenderWindow, ConvertCoordsMapsPixelsThroughTheView)
{
    TestApp app(400, 200);
    gfx::RenderWindow& window = app.Window();
    ASSERT_EQ(window.GetWidth(), 400u);
    ASSERT_EQ(window.GetHeight(), 200u);

    // The window starts with one unit per pixel.
    ExpectNear(window.ConvertCoords(30, 40), {30.f, 40.f});

    gfx::View view(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(200.f, 100.f));
    ExpectNear(window.ConvertCoords(200, 100, &view), {0.f, 0.f});
    ExpectNear(window.ConvertCoords(0, 0, &view), {-200.f, -100.f});

    // Zoom(2) halves what the window shows: a pixel is half a unit.
    view.Zoom(2.f);
    view.Move(10.f, 0.f);
    ExpectNear(window.ConvertCoords(0, 0, &view), {-90.f, -50.f});
    ExpectNear(window.ConvertCoords(400, 200, &view), {110.f, 50.f});

    window.SetView(view);
    ExpectNear(window.ConvertCoords(0, 0), {-90.f, -50.f});
}

TEST(RenderWindow, PushedEventsComeFirstInOrderAndUpdateTheInput)
{
    TestApp app(300, 200);
    gfx::RenderWindow& window = app.Window();
    // Provoke an event from the system and give it time to arrive.
    window.SetSize(320, 240);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    window.PushEvent(KeyPressed(gfx::Keyboard::A));
    window.PushEvent(MouseMoved(12, 34));
    window.PushEvent(KeyReleased(gfx::Keyboard::A));
    const gfx::Input& input = window.GetInput();

    gfx::Event event;
    ASSERT_TRUE(window.GetEvent(event));
    EXPECT_EQ(event.type, gfx::Event::KeyPressed);
    EXPECT_TRUE(input.IsKeyDown(gfx::Keyboard::A));

    ASSERT_TRUE(window.GetEvent(event));
    EXPECT_EQ(event.type, gfx::Event::MouseMoved);
    EXPECT_EQ(input.GetMouseX(), 12);
    EXPECT_EQ(input.GetMouseY(), 34);

    ASSERT_TRUE(window.GetEvent(event));
    EXPECT_EQ(event.type, gfx::Event::KeyReleased);
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::A));
}

TEST(RenderWindow, SystemEventsFollowThePushedOnes)
{
    TestApp app(300, 200);
    gfx::RenderWindow& window = app.Window();
    window.SetSize(320, 240);
    window.PushEvent(MousePressed(gfx::Mouse::Right, 1, 2));

    gfx::Event event;
    ASSERT_TRUE(window.GetEvent(event));
    EXPECT_EQ(event.type, gfx::Event::MouseButtonPressed);
    EXPECT_TRUE(window.GetInput().IsMouseButtonDown(gfx::Mouse::Right));

    // The system reports the new size once the X server has done it.
    bool resized = false;
    for (int attempt = 0; attempt < 100 && !resized; ++attempt)
    {
        while (window.GetEvent(event))
        {
            resized = resized || (event.type == gfx::Event::Resized && event.size.width == 320);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(resized);
}
