#include "gfx/RenderWindow.hpp"

#include "stage/Stage.hpp"
#include "stage/SyntheticEvents.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace events;

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
    Stage stage;
    stage.OpenWindow(400, 200, "SFML Window", 0);
    gfx::RenderWindow& window = stage.GetWindow();
    ExpectNear(window.ConvertCoords(30, 40), {30.f, 40.f});

    // Zoom divides the half size: the window shows 200 x 100 units, a pixel is half a unit.
    gfx::View view(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(200.f, 100.f));
    view.Zoom(2.f);
    view.Zoom(0.f);
    view.Move(10.f, 0.f);
    ExpectNear(window.ConvertCoords(0, 0, &view), {-90.f, -50.f});
    ExpectNear(window.ConvertCoords(400, 200, &view), {110.f, 50.f});

    view.SetFromRect(gfx::FloatRect(0.f, 0.f, 40.f, 20.f));
    ExpectNear(window.ConvertCoords(400, 200, &view), {40.f, 20.f});
    view.SetHalfSize(gfx::Vector2f(400.f, 200.f));
    window.SetView(view);
    ExpectNear(window.ConvertCoords(0, 0), {-380.f, -190.f});
}

TEST(RenderWindow, PushedEventsComeFirstInOrderAndUpdateTheInput)
{
    Stage stage;
    stage.OpenWindow(300, 200, "SFML Window", 0);
    gfx::RenderWindow& window = stage.GetWindow();
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
    EXPECT_EQ(input.GetMouseX(), 12);
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
