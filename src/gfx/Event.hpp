#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

namespace gfx
{
// A window event. SFML 2 names its fields in lower case (event.type, event.mouseButton.x) and,
// under X, reports each wheel step twice: as MouseWheelMoved and as MouseWheelScrolled.
using Event = sf::Event;
// Key codes (Keyboard::Escape, Keyboard::PageUp, ...) and mouse buttons (Mouse::Left, ...).
using Keyboard = sf::Keyboard;
using Mouse = sf::Mouse;
} // namespace gfx
