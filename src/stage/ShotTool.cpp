#include "stage/ShotTool.hpp"

#include "gfx/Err.hpp"
#include "gfx/Image.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/CommandLine.hpp"
#include "stage/GifRecorder.hpp"
#include "stage/InputScript.hpp"
#include "stage/Inspector.hpp"
#include "stage/SceneSession.hpp"
#include "stage/ShotOptions.hpp"

#include <filesystem>
#include <optional>
#include <stdexcept>

namespace
{
const char* const Usage = R"(--scene NAME (--out FILE.png | --gif FILE.gif | both)
[--size WxH] [--frames N] [--every K] [--dt SECONDS] [--seed N]
[--script FILE] [--window-pixels] [--inspector])";

const char* const Description =
    R"(Draws a scene of pulsestage off-screen, deterministically, and writes the last frame as a PNG,
the frames as an animated GIF, or both. It builds the program's application, registers its
scenes in the program's order, makes NAME the active scene and initialises it, then runs frames
of the program's frame loop while the clock advances exactly SECONDS per frame and the random
numbers come from the seed. The scenes find their pictures where pulsestage does (pulsestage
--help tells where). It needs a display (under xvfb-run without one); the window it opens shows
the frames as they run. A value may also be joined to its option with "=", as in --frames=120.)";

std::string Footer()
{
    return R"(The GIF shows each frame it keeps for the time since the frame kept before it, K x SECONDS,
rounded to GIF's hundredths of a second so that the whole lasts as long as the frames rendered.
Viewers show a frame shorter than 0.02 s far longer, so keep K x SECONDS at 0.02 or more (with
the default 1/60 s: --every 2 or more) and N a multiple of K. It has at most 255 colours, chosen
from its first frame; each frame stores only the pixels that changed.

A script is a text file of input, one step a line, applied in order between frames:
  move X Y                        the mouse moves to window pixel (X, Y)
  press left|right|middle X Y     a mouse button goes down at (X, Y)
  release left|right|middle X Y   a mouse button comes up at (X, Y)
  wheel DELTA X Y                 the wheel turns DELTA steps at (X, Y), forwards when positive
  key NAME                        a key is pressed and released (within one frame)
  keydown NAME                    a key goes down and stays down
  keyup NAME                      a key comes up
  resize W H                      the window is resized to W x H pixels (so is the picture; not
                                  with --gif, which keeps one size)
  enter                           the mouse enters the window
  leave                           the mouse leaves the window
  focus                           the window gains the keyboard focus
  unfocus                         the window loses it, and with it every key and button held
  frames N [SECONDS]              N frames run, each SECONDS long (default: --dt)
  pause                           the scene's time stops: frames take none until "resume"
  resume                          the scene's time runs again
  step                            one frame of 1/60 s runs, paused or not
  set PARAMETER VALUE PULSE       the parameter of the scene's pulse named PULSE (the name may
                                  have spaces, as "shelf 1 slot 2 scale") becomes VALUE;
                                  PARAMETER is timefactor, phaseoffset, factor or offset, and a
                                  variation's are what it does to its origin's
  seed N                          the random numbers' seed in place of --seed; before every step
  # ...                           a comment, up to the end of the line
The input of the steps before a "frames" step reaches the scene in the first of those frames.
After the script, frames run until N frames have run in all and, if input is left over, until
one more frame has taken it. A scene that stops itself (Escape in "main") ends the run early; the
picture and the GIF end with its last frame. pulsestage-scene --record writes a session as such a
script: replayed with --window-pixels, it draws the frames the window showed, with the window's
own antialiasing.
Keys: )" + InputScript::KeyNames() +
           R"(.

Exit codes: 0 the files were written; 2 the command line or the script is wrong (the message
names the option, or the script's line); 1 it could not be carried out (no display, a picture the
scene needs could not be loaded, a file could not be written). In both error cases no file is
written.

Examples:
  pulsestage-shot --scene TestBoundedMovement --out startup.png
  pulsestage-shot --scene main --out main.png --frames 120
  pulsestage-shot --scene main --out walk.png --script walk.txt --size 800x800
  pulsestage-shot --scene main --gif beat.gif --frames 180 --every 3 --size 512x300
with walk.txt holding the three lines "keydown Right", "frames 60" and "keyup Right".)";
}

void Shoot(const ShotOptions& options)
{
    // Read before any window opens, so that a wrong line costs nothing.
    const InputScript script =
        options.Script.empty() ? InputScript() : InputScript::Load(options.Script);
    if (!options.Gif.empty())
    {
        GifRecorder::CheckRecordable(script, options.Script);
    }
    SceneSession session(options.Scene, options.Width, options.Height, options.FrameTime,
                         script.GetSeed().value_or(options.Seed), options.WindowPictures);
    session.GetApplication().CheckPictures();
    // After the scene is known to exist, before any frame is drawn.
    std::optional<GifRecorder> recorder;
    if (!options.Gif.empty())
    {
        recorder.emplace(options.Gif, options.Every, options.FrameTime);
    }
    std::optional<Inspector> inspector;
    if (options.Inspector)
    {
        inspector.emplace(session.GetScene(),
                          [](const std::string&, PulseParameter::Which, float) {});
        session.SetSnapshotOverlay([&](gfx::RenderTarget& target)
                                   { inspector->Draw(target, options.FrameTime, session.IsPaused()); });
    }
    gfx::RenderWindow& window = session.GetApplication().GetWindow();
    double sceneTime = 0.0;
    unsigned long drawCalls = 0;
    session.SetFrameObserver(
        [&]
        {
            if (inspector)
            {
                inspector->FrameRan(session.GetSceneTime() - sceneTime, session.GetSceneTime(),
                                    window.GetDrawCalls() - drawCalls);
                sceneTime = session.GetSceneTime();
                drawCalls = window.GetDrawCalls();
            }
            if (recorder)
            {
                recorder->FrameRan(session);
            }
        });
    session.Play(script, options.Frames);
    if (!session.IsRunning())
    {
        gfx::Err() << "the scene stopped itself in frame " << session.GetFramesRun()
                   << "; the capture ends with that frame" << std::endl;
    }
    // The files are put in place only now, when everything else has worked.
    if (recorder)
    {
        recorder->Finish(session);
    }
    const bool written = options.Out.empty() || session.Snapshot().SaveToFile(options.Out);
    if (inspector)
    {
        inspector->Release(window);
    }
    if (!written)
    {
        // Half of what was asked for is a failure all the same.
        if (recorder)
        {
            std::filesystem::remove(options.Gif);
        }
        throw std::runtime_error("cannot write the picture to \"" + options.Out + "\"");
    }
}
} // namespace

int ShotTool::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine("pulsestage-shot", Usage, Description, Footer());
    ShotOptions options;
    options.Declare(commandLine.GetOptions());
    return commandLine.Run(arguments, out, err,
                           [&]
                           {
                               options.Check();
                               Shoot(options);
                               return 0;
                           });
}
