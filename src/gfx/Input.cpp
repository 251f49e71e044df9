#include "gfx/Input.hpp"

namespace gfx
{
namespace
{
template <typename Flags> void SetFlag(Flags& flags, int index, bool value)
{
    // Keyboard::Unknown is -1, and a synthetic event may carry any number.
    if (index >= 0 && static_cast<std::size_t>(index) < flags.size())
    {
        flags[static_cast<std::size_t>(index)] = value;
    }
}

template <typename Flags> bool GetFlag(const Flags& flags, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < flags.size() &&
           flags[static_cast<std::size_t>(index)];
}
} // namespace

bool Input::IsKeyDown(Keyboard::Key key) const
{
    return GetFlag(myKeys, key);
}

bool Input::IsMouseButtonDown(Mouse::Button button) const
{
    return GetFlag(myButtons, button);
}

void Input::OnEvent(const Event& event)
{
    switch (event.type)
    {
    case Event::KeyPressed:
        SetFlag(myKeys, event.key.code, true);
        break;
    case Event::KeyReleased:
        SetFlag(myKeys, event.key.code, false);
        break;
    case Event::MouseButtonPressed:
        SetFlag(myButtons, event.mouseButton.button, true);
        break;
    case Event::MouseButtonReleased:
        SetFlag(myButtons, event.mouseButton.button, false);
        break;
    case Event::MouseMoved:
        myMouseX = event.mouseMove.x;
        myMouseY = event.mouseMove.y;
        break;
    case Event::LostFocus:
        // The releases happen elsewhere and never reach this window: forget what is held.
        ReleaseAll();
        break;
    default:
        break;
    }
}

void Input::ReleaseAll()
{
    myKeys.fill(false);
    myButtons.fill(false);
}
} // namespace gfx
