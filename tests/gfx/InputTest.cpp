#include "gfx/Input.hpp"

#include "stage/SyntheticEvents.hpp"

#include <gtest/gtest.h>

using namespace events;

TEST(Input, FollowsTheEventsAndForgetsEverythingOnLostFocus)
{
    gfx::Input input;
    // Keyboard::Unknown is -1, and a synthetic event may carry any number: the first past the
    // keys would be the first button.
    input.OnEvent(KeyPressed(gfx::Keyboard::Unknown));
    input.OnEvent(KeyPressed(gfx::Keyboard::KeyCount));
    input.OnEvent(MousePressed(gfx::Mouse::ButtonCount, 0, 0));
    for (int i = gfx::Keyboard::Unknown; i <= gfx::Keyboard::KeyCount; ++i)
    {
        EXPECT_FALSE(input.IsKeyDown(static_cast<gfx::Keyboard::Key>(i))) << i;
        EXPECT_FALSE(input.IsMouseButtonDown(static_cast<gfx::Mouse::Button>(i))) << i;
    }

    input.OnEvent(KeyPressed(gfx::Keyboard::Left));
    input.OnEvent(KeyPressed(gfx::Keyboard::Escape));
    input.OnEvent(MousePressed(gfx::Mouse::Left, 5, 6));
    input.OnEvent(MousePressed(gfx::Mouse::Right, 5, 6));
    input.OnEvent(MouseMoved(120, 80));
    input.OnEvent(KeyReleased(gfx::Keyboard::Left));
    input.OnEvent(MouseReleased(gfx::Mouse::Left, 5, 6));
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Left));
    EXPECT_FALSE(input.IsMouseButtonDown(gfx::Mouse::Left));
    EXPECT_TRUE(input.IsKeyDown(gfx::Keyboard::Escape));
    EXPECT_TRUE(input.IsMouseButtonDown(gfx::Mouse::Right));
    EXPECT_EQ(input.GetMouseX(), 120);
    EXPECT_EQ(input.GetMouseY(), 80);

    input.OnEvent(OfType(gfx::Event::LostFocus));
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Escape));
    EXPECT_FALSE(input.IsMouseButtonDown(gfx::Mouse::Right));
}
