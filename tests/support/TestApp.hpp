#pragma once

#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "engine/ImageManager.hpp"
#include "gfx/RenderWindow.hpp"

#include <memory>

namespace testing_support
{
// A real window (1024 x 600 unless asked otherwise), a state manager and an image manager for
// "resources/", wired together as the entry point wires them. Needs a display (Xvfb in CI).
class TestApp
{
public:
    explicit TestApp(unsigned int width = 1024, unsigned int height = 600);

    App& GetApp() { return myApp; }
    gfx::RenderWindow& Window() { return *myWindow; }
    GameStateManager& Manager() { return myManager; }
    ImageManager& Images() { return myImages; }

    // Queues a synthetic event ahead of the system's.
    void Push(const gfx::Event& event) { myWindow->PushEvent(event); }
    // Resizes the real window, waits for the system to report it and queues the Resized event
    // the scene reacts to. Call it with no events queued: it takes events until the report.
    void Resize(unsigned int width, unsigned int height);

private:
    std::unique_ptr<gfx::RenderWindow> myWindow;
    GameStateManager myManager;
    ImageManager myImages;
    App myApp;
};

// Events as the window would deliver them.
gfx::Event Closed();
gfx::Event Resized(unsigned int width, unsigned int height);
gfx::Event KeyPressed(gfx::Keyboard::Key key);
gfx::Event KeyReleased(gfx::Keyboard::Key key);
gfx::Event MousePressed(gfx::Mouse::Button button, int x, int y);
gfx::Event MouseReleased(gfx::Mouse::Button button, int x, int y);
gfx::Event MouseMoved(int x, int y);
gfx::Event MouseWheelMoved(int delta, int x, int y);
gfx::Event MouseWheelScrolled(float delta, int x, int y);
gfx::Event MouseEntered();
gfx::Event MouseLeft();
} // namespace testing_support
