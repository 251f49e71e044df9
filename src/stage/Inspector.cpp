#include "stage/Inspector.hpp"

#include "engine/GameState.hpp"
#include "pulse/PulseGenerator.hpp"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <imgui.h>
#include <stdexcept>

namespace
{
constexpr double Window = 5.0;
// A frame at a thousand frames a second over the whole window: enough for any plot.
constexpr std::size_t MostFrameTimes = 5000;

const char* const Labels[PulseParameter::Count] = {"time factor", "phase offset", "factor",
                                                   "offset"};
const char* const VariationLabels[PulseParameter::Count] = {"time factor x", "phase offset +",
                                                            "factor x", "offset +"};

bool IsTakenByMouse(gfx::Event::EventType type)
{
    return type == gfx::Event::MouseMoved || type == gfx::Event::MouseButtonPressed ||
           type == gfx::Event::MouseWheelMoved || type == gfx::Event::MouseWheelScrolled;
}

bool IsTakenByKeyboard(gfx::Event::EventType type)
{
    return type == gfx::Event::KeyPressed || type == gfx::Event::TextEntered;
}
} // namespace

Inspector::Inspector(GameState& scene, ChangeHandler changed)
    : mySceneName(scene.GetID()), myPulses(scene), myChanged(std::move(changed))
{
    for (const PulseOwner::Named& pulse : myPulses.GetAll())
    {
        Trace trace;
        for (int i = 0; i < PulseParameter::Count; ++i)
        {
            trace.Defaults[i] =
                PulseParameter::Get(*pulse.Pulse, static_cast<PulseParameter::Which>(i));
        }
        myTraces.push_back(trace);
    }
}

void Inspector::FrameRan(double realSeconds, double sceneTime, unsigned long drawCalls)
{
    myDrawCalls = drawCalls;
    myFrameTimes.push_back(static_cast<float>(realSeconds * 1000.0));
    myFrameTimesTotal += realSeconds;
    while (myFrameTimes.size() > MostFrameTimes ||
           (myFrameTimes.size() > 1 && myFrameTimesTotal - myFrameTimes.front() / 1000.0 >= Window))
    {
        myFrameTimesTotal -= myFrameTimes.front() / 1000.0;
        myFrameTimes.pop_front();
    }

    mySceneTime = sceneTime;
    // Every slot the scene's time passed shows the pulse as it is now; a jump of more than the
    // whole ring fills it once.
    const auto slot = static_cast<long long>(std::floor(sceneTime * SamplesPerSecond));
    const long long first = std::max(mySlot + 1, slot - Samples + 1);
    for (std::size_t i = 0; i < myTraces.size(); ++i)
    {
        const float value = myPulses.GetAll()[i].Pulse->GetPulse();
        for (long long s = first; s <= slot; ++s)
        {
            myTraces[i].Values[static_cast<std::size_t>(s % Samples)] = value;
        }
    }
    mySlot = std::max(mySlot, slot);
}

bool Inspector::Take(const gfx::Event& event)
{
    // Asked before the event counts: what the last frame showed under the pointer decides.
    const bool taken = (IsTakenByMouse(event.type) && myGui.WantsMouse()) ||
                       (IsTakenByKeyboard(event.type) && myGui.WantsKeyboard());
    myGui.Feed(event);
    return taken;
}

void Inspector::Draw(gfx::RenderTarget& target, double realSeconds, bool paused)
{
    myGui.Draw(target, realSeconds, [&] { Build(paused); });
}

void Inspector::Build(bool paused)
{
    ImGui::SetNextWindowPos(ImVec2(8.0f, 8.0f), ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSize(ImVec2(360.0f, std::max(ImGui::GetIO().DisplaySize.y - 16.0f, 100.0f)),
                             ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowBgAlpha(0.8f);
    ImGui::Begin("Inspector");
    ImGui::Text("%s, %.3f s%s", mySceneName.c_str(), mySceneTime, paused ? ", paused" : "");
    const std::vector<float> frames(myFrameTimes.begin(), myFrameTimes.end());
    const float longest = frames.empty() ? 0.0f : *std::max_element(frames.begin(), frames.end());
    ImGui::Text("frame %.2f ms, longest %.2f ms", frames.empty() ? 0.0f : frames.back(), longest);
    ImGui::Text("%lu draw calls", myDrawCalls);
    // Some room above the longest, so that a steady rate shows as a line below the top.
    ImGui::PlotLines("##frames", frames.data(), static_cast<int>(frames.size()), 0,
                     "frame times, last 5 s", 0.0f, std::max(longest, 1.0f) * 1.25f,
                     ImVec2(ImGui::GetContentRegionAvail().x, 48.0f));
    ImGui::Separator();
    if (myTraces.empty())
    {
        ImGui::TextUnformatted("This scene has no pulses.");
    }
    for (std::size_t i = 0; i < myTraces.size(); ++i)
    {
        BuildPulse(i);
    }
    ImGui::End();
}

void Inspector::BuildPulse(std::size_t index)
{
    const PulseOwner::Named& pulse = myPulses.GetAll()[index];
    Trace& trace = myTraces[index];
    ImGui::PushID(static_cast<int>(index));
    // The scene's first pulse is its beat: open at first, as an example of the others.
    ImGui::SetNextItemOpen(index == 0, ImGuiCond_Once);
    if (ImGui::TreeNode(pulse.Name.c_str()))
    {
        const float now = pulse.Pulse->GetPulse();
        char caption[32];
        std::snprintf(caption, sizeof caption, "%.3f", now);
        const int next = static_cast<int>((mySlot + 1) % Samples);
        ImGui::PlotLines("##pulse", trace.Values.data(), Samples, mySlot < 0 ? 0 : next, caption,
                         FLT_MAX, FLT_MAX, ImVec2(ImGui::GetContentRegionAvail().x, 40.0f));
        // A variation's parameters scale or shift its origin's.
        const char* const* const labels =
            PulseParameter::IsVariation(*pulse.Pulse) ? VariationLabels : Labels;
        for (int p = 0; p < PulseParameter::Count; ++p)
        {
            const auto which = static_cast<PulseParameter::Which>(p);
            float value = PulseParameter::Get(*pulse.Pulse, which);
            if (ImGui::DragFloat(labels[p], &value, 0.01f, -PulseParameter::Limit,
                                 PulseParameter::Limit, "%.3f", ImGuiSliderFlags_AlwaysClamp) &&
                std::isfinite(value))
            {
                Change(pulse.Name, which, value);
            }
        }
        if (ImGui::Button("reset"))
        {
            for (int p = 0; p < PulseParameter::Count; ++p)
            {
                const auto which = static_cast<PulseParameter::Which>(p);
                if (PulseParameter::Get(*pulse.Pulse, which) != trace.Defaults[p])
                {
                    Change(pulse.Name, which, trace.Defaults[p]);
                }
            }
        }
        ImGui::TreePop();
    }
    ImGui::PopID();
}

void Inspector::Change(const std::string& pulse, PulseParameter::Which parameter, float value)
{
    PulseGenerator* const found = myPulses.Find(pulse);
    if (!found)
    {
        throw std::out_of_range("no pulse named \"" + pulse + "\"");
    }
    PulseParameter::Set(*found, parameter, value);
    myChanged(pulse, parameter, value);
}
