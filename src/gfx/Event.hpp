#pragma once

#include <cstdint>

namespace gfx
{
// Key codes, numbered as SFML numbers them; Unknown for a key without a code.
struct Keyboard
{
    // clang-format off
    enum Key
    {
        Unknown = -1,
        A = 0, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
        Num0, Num1, Num2, Num3, Num4, Num5, Num6, Num7, Num8, Num9,
        Escape, LControl, LShift, LAlt, LSystem, RControl, RShift, RAlt, RSystem, Menu,
        LBracket, RBracket, Semicolon, Comma, Period, Quote, Slash, Backslash, Tilde, Equal, Hyphen,
        Space, Enter, Backspace, Tab, PageUp, PageDown, End, Home, Insert, Delete,
        Add, Subtract, Multiply, Divide, Left, Right, Up, Down,
        Numpad0, Numpad1, Numpad2, Numpad3, Numpad4, Numpad5, Numpad6, Numpad7, Numpad8, Numpad9,
        F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15,
        Pause,
        KeyCount
    };
    // clang-format on
};

// Mouse buttons and wheels, numbered as SFML numbers them.
struct Mouse
{
    enum Button
    {
        Left,
        Right,
        Middle,
        XButton1,
        XButton2,
        ButtonCount
    };
    enum Wheel
    {
        VerticalWheel,
        HorizontalWheel
    };
};

// A window event: its type, and the fields of that type in the member of the same name
// (event.key.code, event.mouseButton.x, event.size.width). Under X a wheel step arrives twice, as
// MouseWheelMoved and then as MouseWheelScrolled; the window delivers both on every SFML.
// Joysticks, touches and sensors are not reported.
struct Event
{
    struct SizeEvent
    {
        unsigned int width;
        unsigned int height;
    };
    struct KeyEvent
    {
        Keyboard::Key code;
        bool alt;
        bool control;
        bool shift;
        bool system;
    };
    struct TextEvent
    {
        std::uint32_t unicode;
    };
    struct MouseMoveEvent
    {
        int x;
        int y;
    };
    struct MouseButtonEvent
    {
        Mouse::Button button;
        int x;
        int y;
    };
    // Whole steps of the vertical wheel.
    struct MouseWheelEvent
    {
        int delta;
        int x;
        int y;
    };
    struct MouseWheelScrollEvent
    {
        Mouse::Wheel wheel;
        float delta;
        int x;
        int y;
    };

    enum EventType
    {
        Closed,
        Resized,
        LostFocus,
        GainedFocus,
        TextEntered,
        KeyPressed,
        KeyReleased,
        MouseWheelMoved,
        MouseWheelScrolled,
        MouseButtonPressed,
        MouseButtonReleased,
        MouseMoved,
        MouseEntered,
        MouseLeft
    };

    EventType type;
    union
    {
        SizeEvent size;
        KeyEvent key;
        TextEvent text;
        MouseMoveEvent mouseMove;
        MouseButtonEvent mouseButton;
        MouseWheelEvent mouseWheel;
        MouseWheelScrollEvent mouseWheelScroll;
    };
};
} // namespace gfx
