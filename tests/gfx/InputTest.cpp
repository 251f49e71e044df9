#include "gfx/Input.hpp"

#include "support/TestApp.hpp"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(Input, KeysAreDownFromPressToRelease)
{
    gfx::Input input;
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Left));

    input.OnEvent(KeyPressed(gfx::Keyboard::Left));
    input.OnEvent(KeyPressed(gfx::Keyboard::Escape));
    EXPECT_TRUE(input.IsKeyDown(gfx::Keyboard::Left));
    EXPECT_TRUE(input.IsKeyDown(gfx::Keyboard::Escape));
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Right));

    input.OnEvent(KeyReleased(gfx::Keyboard::Left));
    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Left));
    EXPECT_TRUE(input.IsKeyDown(gfx::Keyboard::Escape));
}

TEST(Input, MouseButtonsAreDownFromPressToRelease)
{
    gfx::Input input;
    input.OnEvent(MousePressed(gfx::Mouse::Left, 5, 6));
    EXPECT_TRUE(input.IsMouseButtonDown(gfx::Mouse::Left));
    EXPECT_FALSE(input.IsMouseButtonDown(gfx::Mouse::Right));

    input.OnEvent(MouseReleased(gfx::Mouse::Left, 5, 6));
    EXPECT_FALSE(input.IsMouseButtonDown(gfx::Mouse::Left));
}

TEST(Input, MousePositionFollowsMouseMoved)
{
    gfx::Input input;
    input.OnEvent(MouseMoved(120, 80));
    EXPECT_EQ(input.GetMouseX(), 120);
    EXPECT_EQ(input.GetMouseY(), 80);

    input.OnEvent(MouseMoved(-3, 700));
    EXPECT_EQ(input.GetMouseX(), -3);
    EXPECT_EQ(input.GetMouseY(), 700);
}

TEST(Input, LostFocusReleasesEverything)
{
    gfx::Input input;
    input.OnEvent(KeyPressed(gfx::Keyboard::Up));
    input.OnEvent(MousePressed(gfx::Mouse::Right, 0, 0));
    input.OnEvent(MouseMoved(10, 20));

    gfx::Event lostFocus{};
    lostFocus.type = gfx::Event::LostFocus;
    input.OnEvent(lostFocus);

    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Up));
    EXPECT_FALSE(input.IsMouseButtonDown(gfx::Mouse::Right));
    EXPECT_EQ(input.GetMouseX(), 10);
}

TEST(Input, OutOfRangeCodesAreIgnored)
{
    gfx::Input input;
    input.OnEvent(KeyPressed(gfx::Keyboard::Unknown));
    input.OnEvent(KeyPressed(static_cast<gfx::Keyboard::Key>(gfx::Keyboard::KeyCount + 5)));
    input.OnEvent(MousePressed(static_cast<gfx::Mouse::Button>(gfx::Mouse::ButtonCount), 0, 0));

    EXPECT_FALSE(input.IsKeyDown(gfx::Keyboard::Unknown));
    EXPECT_FALSE(input.IsKeyDown(static_cast<gfx::Keyboard::Key>(gfx::Keyboard::KeyCount + 5)));
    for (int key = 0; key < gfx::Keyboard::KeyCount; ++key)
    {
        EXPECT_FALSE(input.IsKeyDown(static_cast<gfx::Keyboard::Key>(key)));
    }
    for (int button = 0; button < gfx::Mouse::ButtonCount; ++button)
    {
        EXPECT_FALSE(input.IsMouseButtonDown(static_cast<gfx::Mouse::Button>(button)));
    }
}
