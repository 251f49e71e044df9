#pragma once

#include "gfx/Event.hpp"
#include "stage/ImGuiGlue.hpp"
#include "stage/PulseParameter.hpp"
#include "stage/ScenePulses.hpp"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class GameState;

namespace gfx
{
class RenderTarget;
}

// The player's overlay, drawn with Dear ImGui over a scene: the frame times of the last five
// seconds, the draw calls of the last frame, the scene's name and time, and every pulse the scene
// names, each with a plot of its last five seconds of scene time and its four parameters, which
// can be edited and reset to the values the scene gave them. It keeps its plots up to date
// whether it is shown or not, so that it opens on the recent past.
class Inspector
{
public:
    // Called after every change made in the inspector, once it has been made.
    using ChangeHandler =
        std::function<void(const std::string& pulse, PulseParameter::Which parameter, float value)>;

    // The scene must be initialised; its pulses are listed once, with their values as the
    // parameters' own.
    Inspector(GameState& scene, ChangeHandler changed);

    // After every frame: how long it took, the scene's time and the frame's draw calls.
    void FrameRan(double realSeconds, double sceneTime, unsigned long drawCalls);
    // Hands the event to the inspector; true when it takes the event for itself (the mouse over
    // its window, the keyboard in a field), so that the scene should not hear of it. Releases,
    // resizes and the pointer and focus coming and going are never taken.
    bool Take(const gfx::Event& event);
    bool WantsKeyboard() const { return myGui.WantsKeyboard(); }
    // Draws the overlay over what the target shows.
    void Draw(gfx::RenderTarget& target, double realSeconds, bool paused);
    // What a change in the inspector does: sets the parameter and tells the handler. Throws
    // std::out_of_range for a name the scene does not give a pulse.
    void Change(const std::string& pulse, PulseParameter::Which parameter, float value);
    // Before the target it drew into goes.
    void Release(gfx::RenderTarget& target) { myGui.Release(target); }

private:
    // Samples of a pulse at a fixed rate of scene time, in a ring.
    static constexpr int SamplesPerSecond = 60;
    static constexpr int Samples = 5 * SamplesPerSecond;
    struct Trace
    {
        std::array<float, PulseParameter::Count> Defaults;
        std::array<float, Samples> Values{};
    };

    void Build(bool paused);
    void BuildPulse(std::size_t index);

    ImGuiGlue myGui;
    std::string mySceneName;
    ScenePulses myPulses;
    std::vector<Trace> myTraces;
    ChangeHandler myChanged;
    // The scene time's sample slot last filled; -1 before the first.
    long long mySlot = -1;
    double mySceneTime = 0.0;
    // Frame times in milliseconds, the newest last, over five seconds at most.
    std::deque<float> myFrameTimes;
    double myFrameTimesTotal = 0.0;
    unsigned long myDrawCalls = 0;
};
