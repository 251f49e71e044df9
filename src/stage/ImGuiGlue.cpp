#include "stage/ImGuiGlue.hpp"

#include "gfx/RenderTarget.hpp"

#include <algorithm>
#include <backends/imgui_impl_opengl2.h>
#include <cfloat>
#include <imgui.h>
#include <iterator>

namespace
{
using K = gfx::Keyboard;

// The keys the widgets use: moving between and within fields, editing text, and the shortcuts.
struct KeyPair
{
    K::Key Key;
    ImGuiKey Gui;
};
const KeyPair Keys[] = {
    {K::Tab, ImGuiKey_Tab},
    {K::Left, ImGuiKey_LeftArrow},
    {K::Right, ImGuiKey_RightArrow},
    {K::Up, ImGuiKey_UpArrow},
    {K::Down, ImGuiKey_DownArrow},
    {K::PageUp, ImGuiKey_PageUp},
    {K::PageDown, ImGuiKey_PageDown},
    {K::Home, ImGuiKey_Home},
    {K::End, ImGuiKey_End},
    {K::Insert, ImGuiKey_Insert},
    {K::Delete, ImGuiKey_Delete},
    {K::Backspace, ImGuiKey_Backspace},
    {K::Space, ImGuiKey_Space},
    {K::Enter, ImGuiKey_Enter},
    {K::Escape, ImGuiKey_Escape},
    {K::A, ImGuiKey_A},
    {K::C, ImGuiKey_C},
    {K::V, ImGuiKey_V},
    {K::X, ImGuiKey_X},
    {K::Y, ImGuiKey_Y},
    {K::Z, ImGuiKey_Z},
};

const KeyPair* PairOf(K::Key key)
{
    const auto found = std::find_if(std::begin(Keys), std::end(Keys),
                                    [key](const KeyPair& pair) { return pair.Key == key; });
    return found == std::end(Keys) ? nullptr : found;
}

int ButtonOf(gfx::Mouse::Button button)
{
    switch (button)
    {
    case gfx::Mouse::Left:
        return ImGuiMouseButton_Left;
    case gfx::Mouse::Right:
        return ImGuiMouseButton_Right;
    case gfx::Mouse::Middle:
        return ImGuiMouseButton_Middle;
    default:
        return -1;
    }
}

#if IMGUI_VERSION_NUM < 18700
// Before 1.87 the glue keeps the devices' state in the IO record itself.
void Key(ImGuiIO& io, const gfx::Event& event, bool down)
{
    if (PairOf(event.key.code))
    {
        io.KeysDown[event.key.code] = down;
    }
    io.KeyCtrl = event.key.control;
    io.KeyShift = event.key.shift;
    io.KeyAlt = event.key.alt;
    io.KeySuper = event.key.system;
}

void MousePosition(ImGuiIO& io, float x, float y)
{
    io.MousePos = ImVec2(x, y);
}

void MouseButton(ImGuiIO& io, int button, bool down)
{
    io.MouseDown[button] = down;
}

void Wheel(ImGuiIO& io, float horizontal, float vertical)
{
    io.MouseWheelH += horizontal;
    io.MouseWheel += vertical;
}

void Focus(ImGuiIO& io, bool focused)
{
    if (!focused)
    {
        std::fill(std::begin(io.KeysDown), std::end(io.KeysDown), false);
        std::fill(std::begin(io.MouseDown), std::end(io.MouseDown), false);
    }
}

void MapKeys(ImGuiIO& io)
{
    for (const KeyPair& pair : Keys)
    {
        io.KeyMap[pair.Gui] = pair.Key;
    }
}
#else
// From 1.87 on ImGui takes the input as a queue of events.
void Key(ImGuiIO& io, const gfx::Event& event, bool down)
{
    io.AddKeyEvent(ImGuiMod_Ctrl, event.key.control);
    io.AddKeyEvent(ImGuiMod_Shift, event.key.shift);
    io.AddKeyEvent(ImGuiMod_Alt, event.key.alt);
    io.AddKeyEvent(ImGuiMod_Super, event.key.system);
    if (const KeyPair* pair = PairOf(event.key.code))
    {
        io.AddKeyEvent(pair->Gui, down);
    }
}

void MousePosition(ImGuiIO& io, float x, float y)
{
    io.AddMousePosEvent(x, y);
}

void MouseButton(ImGuiIO& io, int button, bool down)
{
    io.AddMouseButtonEvent(button, down);
}

void Wheel(ImGuiIO& io, float horizontal, float vertical)
{
    io.AddMouseWheelEvent(horizontal, vertical);
}

void Focus(ImGuiIO& io, bool focused)
{
    io.AddFocusEvent(focused);
}

void MapKeys(ImGuiIO&) {}
#endif
} // namespace

ImGuiGlue::ImGuiGlue() : myContext(ImGui::CreateContext())
{
    ImGuiIO& io = ImGui::GetIO();
    // Nothing is written to the working folder.
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    MapKeys(io);
}

ImGuiGlue::~ImGuiGlue()
{
    ImGui::DestroyContext(myContext);
}

void ImGuiGlue::Feed(const gfx::Event& event)
{
    ImGui::SetCurrentContext(myContext);
    ImGuiIO& io = ImGui::GetIO();
    switch (event.type)
    {
    case gfx::Event::KeyPressed:
    case gfx::Event::KeyReleased:
        Key(io, event, event.type == gfx::Event::KeyPressed);
        break;
    case gfx::Event::TextEntered:
        io.AddInputCharacter(event.text.unicode);
        break;
    case gfx::Event::MouseMoved:
        MousePosition(io, static_cast<float>(event.mouseMove.x),
                      static_cast<float>(event.mouseMove.y));
        break;
    case gfx::Event::MouseLeft:
        MousePosition(io, -FLT_MAX, -FLT_MAX);
        break;
    case gfx::Event::MouseButtonPressed:
    case gfx::Event::MouseButtonReleased:
        if (const int button = ButtonOf(event.mouseButton.button); button >= 0)
        {
            MousePosition(io, static_cast<float>(event.mouseButton.x),
                          static_cast<float>(event.mouseButton.y));
            MouseButton(io, button, event.type == gfx::Event::MouseButtonPressed);
        }
        break;
    case gfx::Event::MouseWheelScrolled:
    {
        const bool vertical = event.mouseWheelScroll.wheel == gfx::Mouse::VerticalWheel;
        Wheel(io, vertical ? 0.0f : event.mouseWheelScroll.delta,
              vertical ? event.mouseWheelScroll.delta : 0.0f);
        break;
    }
    case gfx::Event::LostFocus:
    case gfx::Event::GainedFocus:
        Focus(io, event.type == gfx::Event::GainedFocus);
        break;
    default:
        break;
    }
}

bool ImGuiGlue::WantsMouse() const
{
    ImGui::SetCurrentContext(myContext);
    return ImGui::GetIO().WantCaptureMouse;
}

bool ImGuiGlue::WantsKeyboard() const
{
    ImGui::SetCurrentContext(myContext);
    return ImGui::GetIO().WantCaptureKeyboard;
}

void ImGuiGlue::Draw(gfx::RenderTarget& target, double seconds, const std::function<void()>& build)
{
    ImGui::SetCurrentContext(myContext);
    target.DrawWithOpenGL(
        [&]
        {
            if (!myBackendReady)
            {
                ImGui_ImplOpenGL2_Init();
                myBackendReady = true;
            }
            ImGuiIO& io = ImGui::GetIO();
            io.DisplaySize = ImVec2(static_cast<float>(target.GetWidth()),
                                    static_cast<float>(target.GetHeight()));
            // ImGui needs time to pass; a paused or very fast frame still gets a little.
            io.DeltaTime = std::max(static_cast<float>(seconds), 1e-4f);
            ImGui_ImplOpenGL2_NewFrame();
            ImGui::NewFrame();
            build();
            ImGui::Render();
            ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
        });
}

void ImGuiGlue::Release(gfx::RenderTarget& target)
{
    if (myBackendReady)
    {
        ImGui::SetCurrentContext(myContext);
        target.DrawWithOpenGL([] { ImGui_ImplOpenGL2_Shutdown(); });
        myBackendReady = false;
    }
}
