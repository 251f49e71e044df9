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

GifRecorder::GifRecorder(const std::string& path, int every, double frameTime)
    : myWriter(path), myEvery(every), myFrameTime(frameTime)
{
}

void GifRecorder::FrameRan(SceneSession& session)
{
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
    const int delay = static_cast<int>(HundredthsAt(frame) - HundredthsAt(myLastKept));
    myEncoding = std::async(std::launch::async,
                            [this, &picture, delay] { myWriter.AddFrame(picture, delay); });
    myNextPicture = 1 - myNextPicture;
    myLastKept = frame;
}

void GifRecorder::AwaitEncoded()
{
    if (myEncoding.valid())
    {
        myEncoding.get();
    }
}

long long GifRecorder::HundredthsAt(int frame) const
{
    return std::llround(frame * myFrameTime * 100.0);
}
