#pragma once

#include "gfx/Event.hpp"

// Window events as the window system would deliver them, for input that comes from a script or
// a test instead of a person. Every field the type does not use is zero.
namespace events
{
gfx::Event OfType(gfx::Event::EventType type);
gfx::Event Closed();
gfx::Event Resized(unsigned int width, unsigned int height);
gfx::Event KeyPressed(gfx::Keyboard::Key key);
gfx::Event KeyReleased(gfx::Keyboard::Key key);
gfx::Event MousePressed(gfx::Mouse::Button button, int x, int y);
gfx::Event MouseReleased(gfx::Mouse::Button button, int x, int y);
gfx::Event MouseMoved(int x, int y);
// The two reports X gives of one wheel step: the old MouseWheelMoved and MouseWheelScrolled.
gfx::Event MouseWheelMoved(int delta, int x, int y);
gfx::Event MouseWheelScrolled(float delta, int x, int y);
gfx::Event MouseEntered();
gfx::Event MouseLeft();
} // namespace events
