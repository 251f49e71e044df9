#pragma once

#include "stage/GifWriter.hpp"

#include <array>
#include <future>
#include <string>

class InputScript;
class SceneSession;

// Records what a scene session shows as an animated GIF (GifWriter): every K-th frame and the
// last. Each kept frame shows for as long as the frames since the one kept before it lasted
// (SceneSession::GetFrameSeconds), in GIF's hundredths of a second: frame n ends at the total of
// the frames' times up to it, rounded, so that the rounding errors never add up and the animation
// lasts as long as the frames it was rendered from. Frames of one length in a row are timed
// together, as count × length: n frames of dt end at n × dt, rounded.
//
// A kept frame is encoded beside the session while it draws the next one: one frame at a time,
// in order, so that the file is the same as if each were written at once.
class GifRecorder
{
public:
    // Throws UsageError naming the script's line when the script resizes the window: a GIF
    // keeps one size.
    static void CheckRecordable(const InputScript& script, const std::string& source);

    // Creates the file's temporary beside path; throws std::runtime_error when it cannot.
    GifRecorder(const std::string& path, int every);

    // Whether the frame of this number (counted from 1) is kept, whatever follows it: the
    // session draws these off-screen only (SceneSession::SetOffscreenFrames).
    bool Keeps(int frame) const { return frame % myEvery == 0; }
    // Called after each frame of the session. Throws std::runtime_error when the file cannot be
    // written, for the frame kept before this one.
    void FrameRan(SceneSession& session);
    // Keeps the session's last frame, unless it is kept already, and puts the file in place.
    // Throws std::runtime_error when the file cannot be written.
    void Finish(SceneSession& session);

private:
    void Keep(SceneSession& session);
    // Adds a frame of the seconds given to the time elapsed.
    void Lasted(double seconds);
    // The time elapsed up to the last frame, rounded to hundredths of a second.
    long long HundredthsNow() const;

    // Waits for the frame being encoded; throws what encoding it threw.
    void AwaitEncoded();

    GifWriter myWriter;
    // The frame being encoded and the next one to keep, taking turns; their storage is reused.
    std::array<gfx::Image, 2> myPictures;
    std::size_t myNextPicture = 0;
    // Declared after the writer and the pictures: destroyed before them, so that an abandoned
    // recording waits for its encoding before they go.
    std::future<void> myEncoding;
    int myEvery;
    int myLastKept = 0;
    long long myLastKeptHundredths = 0;
    // The time elapsed before the run of frames of one length that goes on, and that run.
    double myRunStart = 0.0;
    double myRunSeconds = 0.0;
    int myRunFrames = 0;
};
