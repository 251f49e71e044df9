#include "stage/GifRecorder.hpp"

#include "main/UsageError.hpp"
#include "stage/InputScript.hpp"
#include "stage/SceneSession.hpp"

#include <cmath>

void GifRecorder::CheckRecordable(const InputScript& script, const std::string& source)
{
    for (const ScriptStep& step : script.GetSteps())
    {
        if (step.Type == ScriptStep::Resize)
        {
            throw UsageError(source + " line " + std::to_string(step.Line) +
                             ": \"resize\" cannot be recorded: a GIF keeps one size (use --size)");
        }
    }
}

GifRecorder::GifRecorder(const std::string& path, int every) : myWriter(path), myEvery(every) {}

void GifRecorder::FrameRan(SceneSession& session)
{
    Lasted(session.GetFrameSeconds());
    if (Keeps(session.GetFramesRun()))
    {
        Keep(session);
    }
}

void GifRecorder::Finish(SceneSession& session)
{
    if (session.GetFramesRun() != myLastKept)
    {
        Keep(session);
    }
    AwaitEncoded();
    myWriter.Commit();
}

void GifRecorder::Keep(SceneSession& session)
{
    const int frame = session.GetFramesRun();
    gfx::Image& picture = myPictures[myNextPicture];
    session.Snapshot(picture);
    AwaitEncoded();
    const long long delay = HundredthsNow() - myLastKeptHundredths;
    myEncoding = std::async(std::launch::async,
                            [this, &picture, delay] { myWriter.AddFrame(picture, delay); });
    myNextPicture = 1 - myNextPicture;
    myLastKept = frame;
    myLastKeptHundredths += delay;
}

void GifRecorder::Lasted(double seconds)
{
    if (seconds != myRunSeconds)
    {
        myRunStart += myRunFrames * myRunSeconds;
        myRunSeconds = seconds;
        myRunFrames = 0;
    }
    ++myRunFrames;
}

void GifRecorder::AwaitEncoded()
{
    if (myEncoding.valid())
    {
        myEncoding.get();
    }
}

long long GifRecorder::HundredthsNow() const
{
    return std::llround((myRunStart + myRunFrames * myRunSeconds) * 100.0);
}
