#pragma once

#include "engine/GameState.hpp"
#include "gfx/RenderTarget.hpp"

#include <functional>
#include <string>
#include <vector>

namespace testing_support
{
// A state that writes down every call the frame loop makes on it, in order, and lets a test
// hook into EventHandling and Update.
class RecordingState final : public GameState
{
public:
    explicit RecordingState(const GameStateID& id = "recording") { myID = id; }

    void Initialize() override { Calls.push_back("Initialize"); }
    void Cleanup() override { Calls.push_back("Cleanup"); }
    void Update() override
    {
        Calls.push_back("Update");
        if (OnUpdate)
        {
            OnUpdate(*this);
        }
    }
    void EventHandling(gfx::Event event) override
    {
        Calls.push_back("EventHandling");
        Events.push_back(event);
        if (OnEvent)
        {
            OnEvent(*this, event);
        }
    }
    void Render(gfx::RenderTarget& target) override
    {
        Calls.push_back("Render");
        target.Clear(gfx::Color(0, 128, 128, 255));
    }

    std::vector<std::string> Calls;
    std::vector<gfx::Event> Events;
    std::function<void(RecordingState&, const gfx::Event&)> OnEvent;
    std::function<void(RecordingState&)> OnUpdate;
};
} // namespace testing_support
