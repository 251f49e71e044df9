#include "stage/ScriptRecorder.hpp"

#include "stage/InputScript.hpp"
#include "stage/ScriptStep.hpp"
#include "stage/WholeRange.hpp"

#include <cstdio>
#include <limits>

namespace
{
// Decimal text that reads back as the same number.
template <typename Number> std::string Exact(Number value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", std::numeric_limits<Number>::max_digits10,
                  static_cast<double>(value));
    return text;
}
} // namespace

ScriptRecorder::ScriptRecorder(const std::string& path, const std::string& scene, unsigned int seed)
    : myFile(path, "the recording")
{
    Write("# pulsestage-scene " + scene + ", recorded: pulsestage-shot --scene " + scene +
          " --script FILE --out FILE.png replays it");
    Write("seed " + std::to_string(seed));
}

void ScriptRecorder::Heard(const gfx::Event& event)
{
    const bool scrollOfWheelStep = myWheelStepOpen && event.type == gfx::Event::MouseWheelScrolled;
    myWheelStepOpen = event.type == gfx::Event::MouseWheelMoved;
    if (scrollOfWheelStep)
    {
        return;
    }
    if (const auto line = InputScript::LineOf(event))
    {
        EndRun();
        Write(*line);
    }
}

void ScriptRecorder::FrameRan(double seconds)
{
    myWheelStepOpen = false;
    if (myRun > 0 && (seconds != myRunSeconds || myRun == FrameCounts.Most()))
    {
        EndRun();
    }
    myRunSeconds = seconds;
    ++myRun;
}

void ScriptRecorder::Paused()
{
    EndRun();
    Write("pause");
    myPaused = true;
}

void ScriptRecorder::Resumed()
{
    EndRun();
    Write("resume");
    myPaused = false;
}

void ScriptRecorder::Stepped()
{
    EndRun();
    Write("step");
}

void ScriptRecorder::Changed(const std::string& pulse, PulseParameter::Which parameter, float value)
{
    EndRun();
    Write(std::string("set ") + PulseParameter::NameOf(parameter) + " " + Exact(value) + " " +
          pulse);
}

void ScriptRecorder::Finish()
{
    EndRun();
    myFile.Commit();
}

void ScriptRecorder::Write(const std::string& line)
{
    std::fputs((line + "\n").c_str(), myFile.Get());
}

void ScriptRecorder::EndRun()
{
    if (myRun > 0)
    {
        // Paused frames take no time whatever the line says.
        Write("frames " + std::to_string(myRun) + (myPaused ? "" : " " + Exact(myRunSeconds)));
    }
    myRun = 0;
}
