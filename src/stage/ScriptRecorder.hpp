#pragma once

#include "gfx/Event.hpp"
#include "stage/PartFile.hpp"
#include "stage/PulseParameter.hpp"

#include <string>

// Writes a player's session as a script that pulsestage-shot replays frame for frame: the seed,
// every event the scene heard in the frame it heard it, each frame's time, pauses and steps,
// and the parameters changed. Lines go to a PartFile as the session runs, so that an hour of
// frames costs no memory; Finish puts the script in place. Runs of frames that take the same
// time share one line.
class ScriptRecorder
{
public:
    // Creates the file's temporary and writes the head. Throws std::runtime_error when it cannot.
    ScriptRecorder(const std::string& path, const std::string& scene, unsigned int seed);

    // An event the scene is to hear in the next frame.
    void Heard(const gfx::Event& event);
    // A frame ran that took the seconds given: none while paused.
    void FrameRan(double seconds);
    void Paused();
    void Resumed();
    // A frame of ScriptStep::StepTime ran, paused or not.
    void Stepped();
    void Changed(const std::string& pulse, PulseParameter::Which parameter, float value);
    // Puts the script in place. Throws std::runtime_error when it cannot be written.
    void Finish();

private:
    void Write(const std::string& line);
    void EndRun();

    PartFile myFile;
    bool myPaused = false;
    // The frames that ran since the last line, each of the same time.
    int myRun = 0;
    double myRunSeconds = 0.0;
    // The MouseWheelScrolled that comes right after a MouseWheelMoved is the wheel step's own.
    bool myWheelStepOpen = false;
};
