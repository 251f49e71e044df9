#include "gfx/RenderWindow.hpp"

#include "gfx/Image.hpp"
#include "main/ProgramWindow.hpp"
#include "stage/SyntheticEvents.hpp"
#include "stage/WindowSettling.hpp"
#include "support/DesktopWindow.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

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

namespace
{
// An event's type and the fields that type uses.
std::string Describe(const gfx::Event& event)
{
    const auto point = [](int x, int y)
    { return " at " + std::to_string(x) + "," + std::to_string(y); };
    switch (event.type)
    {
    case gfx::Event::KeyPressed:
    case gfx::Event::KeyReleased:
        return (event.type == gfx::Event::KeyPressed ? "press " : "release ") +
               std::to_string(event.key.code) +
               (event.key.alt || event.key.control || event.key.shift || event.key.system
                    ? " with a modifier"
                    : "");
    case gfx::Event::TextEntered:
        return "text " + std::to_string(event.text.unicode);
    case gfx::Event::MouseMoved:
        return "move" + point(event.mouseMove.x, event.mouseMove.y);
    case gfx::Event::MouseWheelMoved:
        return "wheel " + std::to_string(event.mouseWheel.delta) +
               point(event.mouseWheel.x, event.mouseWheel.y);
    case gfx::Event::MouseWheelScrolled:
        return "scroll " + std::to_string(event.mouseWheelScroll.wheel) + " " +
               std::to_string(event.mouseWheelScroll.delta) +
               point(event.mouseWheelScroll.x, event.mouseWheelScroll.y);
    default:
        return "type " + std::to_string(event.type);
    }
}
} // namespace

// The desktop sees the window and its input arrives as under SFML 2 on X, whichever SFML runs
// underneath: SFML 3 hands the icon to EWMH desktops only while their window manager runs, and
// delivers events as variants, a wheel step once, and scancodes besides the keys.
TEST(RenderWindow, ShowsItsIconAndReportsTheDesktopsInputAsSfml2DidUnderX)
{
    const auto opened = ProgramWindow::Open(300, 200, "desktop input", 0);
    gfx::RenderWindow& window = *opened;
    DropStartupEvents(window);
    window.SetIcon(gfx::Image(5, 5, gfx::Color::Red));
    using Desktop = testing_support::DesktopWindow;
    const auto desktop = Desktop::WaitFor("desktop input", std::chrono::seconds(10));
    ASSERT_TRUE(desktop);
    EXPECT_EQ(desktop->GetIconSide(), 5u);
    for (const Desktop::Input input :
         {Desktop::Input::Key, Desktop::Input::Move, Desktop::Input::WheelStep,
          Desktop::Input::Enter, Desktop::Input::Leave, Desktop::Input::FocusLoss})
    {
        desktop->Send(input, 30, 40);
    }

    const std::vector<std::string> expected = {Describe(KeyPressed(gfx::Keyboard::A)),
                                               "text 97",
                                               Describe(KeyReleased(gfx::Keyboard::A)),
                                               Describe(MouseMoved(30, 40)),
                                               Describe(MouseWheelMoved(1, 30, 40)),
                                               Describe(MouseWheelScrolled(1.f, 30, 40)),
                                               Describe(MouseEntered()),
                                               Describe(MouseLeft()),
                                               Describe(OfType(gfx::Event::LostFocus))};
    std::vector<std::string> delivered;
    gfx::Event event;
    for (int attempt = 0; attempt < 200 && delivered.size() < expected.size(); ++attempt)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (window.GetEvent(event))
        {
            delivered.push_back(Describe(event));
        }
    }
    EXPECT_EQ(delivered, expected);
}

// The player takes the system's events itself before each frame: one that arrives while the frame
// drains its pushed events, a close request as well, must wait for the player, not be lost. The
// tools drop them.
TEST(RenderWindow, KeptOutSystemEventsAreLeftForTheirPollerOrDropped)
{
    const auto opened = ProgramWindow::Open(300, 200, "kept out", 0);
    gfx::RenderWindow& window = *opened;
    DropStartupEvents(window);
    using Desktop = testing_support::DesktopWindow;
    const auto desktop = Desktop::WaitFor("kept out", std::chrono::seconds(10));
    ASSERT_TRUE(desktop);
    const auto pollFor = [&window](std::chrono::milliseconds span)
    {
        std::vector<gfx::Event::EventType> types;
        gfx::Event event;
        for (const auto end = std::chrono::steady_clock::now() + span;
             std::chrono::steady_clock::now() < end;
             std::this_thread::sleep_for(std::chrono::milliseconds(10)))
        {
            EXPECT_FALSE(window.GetEvent(event)) << "type " << event.type;
            while (window.PollSystemEvent(event))
            {
                types.push_back(event.type);
            }
        }
        return types;
    };

    window.KeepOutSystemEvents(gfx::RenderWindow::KeptOut::Left);
    desktop->Send(Desktop::Input::FocusLoss, 0, 0);
    gfx::Event event;
    for (int attempt = 0; attempt < 30; ++attempt)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_FALSE(window.GetEvent(event));
    }
    EXPECT_EQ(pollFor(std::chrono::milliseconds(300)),
              std::vector<gfx::Event::EventType>{gfx::Event::LostFocus});

    window.KeepOutSystemEvents();
    desktop->Send(Desktop::Input::FocusLoss, 0, 0);
    for (int attempt = 0; attempt < 30; ++attempt)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_FALSE(window.GetEvent(event));
    }
    EXPECT_EQ(pollFor(std::chrono::milliseconds(100)), std::vector<gfx::Event::EventType>{});
}
