#pragma once

#include <string>
#include <vector>

class PulseGenerator;

// Something that holds pulses and names each of them, for the tools that show a running scene's
// pulses and change their parameters. The names come from the structure that owns each pulse
// ("main rotation", "background rect 3 shade", "shelf 1 slot 2 scale"); the pulses themselves
// carry none. Owners list their pulses only when asked, so the naming costs the pulses and the
// frames nothing.
class PulseOwner
{
public:
    struct Named
    {
        std::string Name;
        PulseGenerator* Pulse;
    };
    using List = std::vector<Named>;

    // Appends every pulse held now, each once and under a name of its own, in a fixed order:
    // origins before the variations that follow them.
    virtual void ListPulses(List& pulses) = 0;

protected:
    PulseOwner() = default;
    ~PulseOwner() = default;
    PulseOwner(const PulseOwner&) = default;
    PulseOwner& operator=(const PulseOwner&) = default;
};
