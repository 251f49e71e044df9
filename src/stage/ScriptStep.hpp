#pragma once

#include "gfx/Event.hpp"
#include "stage/PulseParameter.hpp"

#include <optional>
#include <string>
#include <vector>

// One line of an input script: window events for the next frame, frames to run, a new window
// size, the scene's time stopped or started again, one frame stepped, or a pulse's parameter
// changed.
struct ScriptStep
{
    enum Kind
    {
        Input,
        Frames,
        Resize,
        Pause,
        Resume,
        Step,
        Set
    };

    // What one step lasts, as the player's period key steps.
    static constexpr double StepTime = 1.0 / 60.0;

    Kind Type = Input;
    // Input: the events, in the order the window would deliver them.
    std::vector<gfx::Event> Events;
    // Frames: how many, and the time each takes when the step says (else the run's frame time).
    int Count = 0;
    std::optional<double> Seconds;
    // Resize: the new size in pixels.
    unsigned int Width = 0;
    unsigned int Height = 0;
    // Set: the pulse by its name, the parameter and its new value.
    std::string Pulse;
    PulseParameter::Which Parameter = PulseParameter::TimeFactor;
    float Value = 0.0f;
    // Where the step stands in its script, from 1.
    int Line = 0;
};
