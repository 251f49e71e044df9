#pragma once

#include "pulse/PulseOwner.hpp"

#include <string>

class GameState;

// The pulses of a running scene by their names, as the scene lists them now; none for a scene
// that holds none.
class ScenePulses
{
public:
    explicit ScenePulses(GameState& scene);

    const PulseOwner::List& GetAll() const { return myPulses; }
    // Null when no pulse has the name.
    PulseGenerator* Find(const std::string& name) const;

private:
    PulseOwner::List myPulses;
};
