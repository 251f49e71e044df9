#pragma once

#include "gfx/Event.hpp"

#include <functional>

struct ImGuiContext;

namespace gfx
{
class RenderTarget;
}

// Dear ImGui on the graphics layer: its own context, fed with the layer's events and drawn with
// the OpenGL 2 backend into a layer's target. The little that differs between the releases
// Debian ships (1.86, 1.90, 1.92: the input calls changed at 1.87) stays in here.
class ImGuiGlue
{
public:
    ImGuiGlue();
    ~ImGuiGlue();
    ImGuiGlue(const ImGuiGlue&) = delete;
    ImGuiGlue& operator=(const ImGuiGlue&) = delete;

    void Feed(const gfx::Event& event);
    // What the last frame asked for: the mouse over a window of its own, the keyboard for a
    // field being edited.
    bool WantsMouse() const;
    bool WantsKeyboard() const;
    // One ImGui frame of the given length: build makes the widgets, which are then drawn over
    // what the target shows.
    void Draw(gfx::RenderTarget& target, double seconds, const std::function<void()>& build);
    // Gives the backend's textures back; needs the target the glue drew into, for its context.
    void Release(gfx::RenderTarget& target);

private:
    ImGuiContext* myContext;
    bool myBackendReady = false;
};
