#include "stage/ScenePulses.hpp"

#include "engine/GameState.hpp"

#include <algorithm>

ScenePulses::ScenePulses(GameState& scene)
{
    if (auto* owner = dynamic_cast<PulseOwner*>(&scene))
    {
        owner->ListPulses(myPulses);
    }
}

PulseGenerator* ScenePulses::Find(const std::string& name) const
{
    const auto found =
        std::find_if(myPulses.begin(), myPulses.end(),
                     [&](const PulseOwner::Named& pulse) { return pulse.Name == name; });
    return found == myPulses.end() ? nullptr : found->Pulse;
}
