#pragma once

#include "gfx/Event.hpp"

#include <vector>

// One line of an input script: window events for the next frame, a number of frames to run, or
// a new window size.
struct ScriptStep
{
    enum Kind
    {
        Input,
        Frames,
        Resize
    };

    Kind Type = Input;
    // Input: the events, in the order the window would deliver them.
    std::vector<gfx::Event> Events;
    // Frames: how many.
    int Count = 0;
    // Resize: the new size in pixels.
    unsigned int Width = 0;
    unsigned int Height = 0;
    // Where the step stands in its script, from 1.
    int Line = 0;
};
