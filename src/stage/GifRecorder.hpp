#pragma once

#include "stage/GifWriter.hpp"

#include <string>

class InputScript;
class SceneSession;

// Records what a scene session shows as an animated GIF (GifWriter): every K-th frame and the
// last. Each kept frame shows for the time since the frame kept before it, in GIF's hundredths
// of a second: frame n ends at n × dt rounded, so that the rounding errors never add up and the
// animation lasts as long as the frames it was rendered from.
class GifRecorder
{
public:
    // Throws UsageError naming the script's line when the script resizes the window: a GIF
    // keeps one size.
    static void CheckRecordable(const InputScript& script, const std::string& source);

    // Creates the file's temporary beside path; throws std::runtime_error when it cannot.
    GifRecorder(const std::string& path, int every, double frameTime);

    // Called after each frame of the session.
    void FrameRan(const SceneSession& session);
    // Keeps the session's last frame, unless it is kept already, and puts the file in place.
    // Throws std::runtime_error when the file cannot be written.
    void Finish(const SceneSession& session);

private:
    void Keep(const SceneSession& session);
    long long HundredthsAt(int frame) const;

    GifWriter myWriter;
    int myEvery;
    double myFrameTime;
    int myLastKept = 0;
};
