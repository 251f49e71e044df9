#include "gfx/Input.hpp"

#include "stage/SyntheticEvents.hpp"

#include <gtest/gtest.h>

using namespace events;

TEST(Input, FollowsTheEventsAndForgetsEverythingOnLostFocus)
{
    gfx::Input input;
    input.OnEvent(KeyPressed(gfx::Keyboard::Unknown));
    input.OnEvent(KeyPressed(static_cast<gfx::Keyboard::Key>(gfx::Keyboard::KeyCount + 5)));
    input.OnEvent(MousePressed(static_cast<gfx::Mouse::Button>(gfx::Mouse::ButtonCount), 0, 0));
    for (int key = gfx::Keyboard::Unknown; key <= gfx::Keyboard::KeyCount + 5; ++key)
    {
        EXPECT_FALSE(input.IsKeyDown(static_cast<gfx::Keyboard::Key>(key))) << key;
    }
    for (int button = 0; button <= gfx::Mouse::ButtonCount; ++button)
    {
        EXPECT_FALSE(input.IsMouseButtonDown(static_cast<gfx::Mouse::Button>(button))) << button;
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

    gfx::Event lostFocus{};
    lostFocus.type = gfx::Event::LostFocus;
    input.OnEvent(lostFocus);
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Escape));
    EXPECT_FALSE(input.IsMouseButtonDown(gfx::Mouse::Right));
}
