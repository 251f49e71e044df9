#include "stage/SceneTool.hpp"

#include "main/CommandLine.hpp"
#include "main/UsageError.hpp"
#include "stage/ScenePlayer.hpp"

#include <CLI/CLI.hpp>
#include <chrono>
#include <csignal>

namespace
{
const char* const Description =
    R"(Opens the program's window and runs the program's frame loop on the scene NAME instead of the
start-up scene: "TestBoundedMovement" (the start-up scene) or "main", with a player around it.
The scenes find their pictures where pulsestage does (pulsestage --help tells where); it ends with
exit code 1 when a picture the scene needs cannot be loaded. It ends when the window is closed,
when the scene stops itself (Escape in "main"), or on SIGINT or SIGTERM.)";

const char* const Footer = R"(Keys of the player, which the scene never hears:
  Space    pauses the scene's time, and resumes it: a paused scene still draws and hears the
           input, but its clocks stand still
  .        while paused, runs one frame of 1/60 s
  F1       shows and hides the inspector: the frame times of the last 5 s, the draw calls, the
           scene's name and time, and every pulse of the scene with a plot of its last 5 s and
           its four parameters, which can be dragged, typed (Ctrl+click) and reset
  F12      writes the frame on screen, without the inspector, as a PNG into the working folder
           under a name that overwrites nothing, such as pulsestage-main-3.png, and prints its
           path
The input the inspector takes, the pointer over it or a field being typed in, does not reach
the scene either.

The scene's time advances once a frame by the frame's measured duration, so every clock within a
frame reads the same. With --record the session is written as a script of pulsestage-shot, when
it ends: the seed, every event the scene heard, each frame's duration, the pauses and steps and
the parameters changed. pulsestage-shot --scene NAME --script FILE.script --out LAST.png (or
--gif) then draws the same frames. The script is written under FILE.script.part first and put
in place only when complete.

Exit codes: 0 the session ended; 2 the command line is wrong; 1 it could not be carried out (no
display, a missing picture, a recording that cannot be written).)";

volatile std::sig_atomic_t StopAsked = 0;

extern "C" void AskToStop(int)
{
    StopAsked = 1;
}

// SIGINT and SIGTERM end the session as closing the window does, while it runs.
class StopSignals
{
public:
    StopSignals()
        : myInterrupt(std::signal(SIGINT, AskToStop)), myTerminate(std::signal(SIGTERM, AskToStop))
    {
        StopAsked = 0;
    }
    ~StopSignals()
    {
        std::signal(SIGINT, myInterrupt);
        std::signal(SIGTERM, myTerminate);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    void (*myInterrupt)(int);
    void (*myTerminate)(int);
};

int Play(const ScenePlayer::Options& options, std::ostream& out)
{
    ScenePlayer player(options, out);
    const StopSignals signals;
    using Steady = std::chrono::steady_clock;
    Steady::time_point last = Steady::now();
    bool goesOn = true;
    while (goesOn && !StopAsked)
    {
        const Steady::time_point now = Steady::now();
        goesOn = player.RunFrame(std::chrono::duration<double>(now - last).count());
        last = now;
    }
    player.Finish();
    return 0;
}
} // namespace

int SceneTool::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine("pulsestage-scene", "NAME [--record FILE.script]", Description, Footer);
    ScenePlayer::Options options;
    commandLine.GetOptions().add_option("NAME", options.Scene, "the scene to run");
    commandLine.GetOptions()
        .add_option("--record", options.Record,
                    "write the session as a script of pulsestage-shot when it ends")
        ->type_name("FILE.script");
    return commandLine.Run(arguments, out, err,
                           [&]
                           {
                               if (options.Scene.empty())
                               {
                                   throw UsageError("name the scene to run");
                               }
                               return Play(options, out);
                           });
}
