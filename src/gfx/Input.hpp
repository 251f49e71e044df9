#pragma once

#include "gfx/Event.hpp"

#include <array>

namespace gfx
{
// The keyboard and mouse as the window's events have reported them so far. It changes only
// when an event is delivered (RenderWindow::GetEvent), never by polling the devices, so a test
// drives it with synthetic events exactly as a user drives it with real ones.
class Input
{
public:
    bool IsKeyDown(Keyboard::Key key) const;
    bool IsMouseButtonDown(Mouse::Button button) const;
    int GetMouseX() const { return myMouseX; }
    int GetMouseY() const { return myMouseY; }

    void OnEvent(const Event& event);

private:
    void ReleaseAll();

    std::array<bool, Keyboard::KeyCount> myKeys{};
    std::array<bool, Mouse::ButtonCount> myButtons{};
    int myMouseX = 0;
    int myMouseY = 0;
};
} // namespace gfx
