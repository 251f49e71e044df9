#include "stage/ShotOptions.hpp"

#include "main/ProgramWindow.hpp"
#include "main/UsageError.hpp"
#include "stage/GifWriter.hpp"
#include "stage/InputScript.hpp"
#include "stage/Lowercase.hpp"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>

namespace
{
[[noreturn]] void Fail(const std::string& option, const std::string& problem)
{
    throw UsageError(option + ": " + problem);
}

// A whole number from the whole text, or nothing.
bool ReadUnsigned(const std::string& text, unsigned long long& value)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(),
                                     [](unsigned char c) { return std::isdigit(c) != 0; }))
    {
        return false;
    }
    errno = 0;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0;
}

unsigned long long Unsigned(const std::string& option, const std::string& text,
                            unsigned long long least, unsigned long long most)
{
    unsigned long long value = 0;
    if (!ReadUnsigned(text, value))
    {
        Fail(option, "expected a whole number, not \"" + text + "\"");
    }
    if (value < least || value > most)
    {
        Fail(option, "must be from " + std::to_string(least) + " to " + std::to_string(most) +
                         ", not " + text);
    }
    return value;
}

void ReadSize(const std::string& text, ShotOptions& options)
{
    const std::size_t cross = text.find_first_of("xX");
    unsigned long long width = 0;
    unsigned long long height = 0;
    if (cross == std::string::npos || !ReadUnsigned(text.substr(0, cross), width) ||
        !ReadUnsigned(text.substr(cross + 1), height))
    {
        Fail("--size", "expected WIDTHxHEIGHT in pixels, such as 1024x600, not \"" + text + "\"");
    }
    if (width == 0 || height == 0)
    {
        Fail("--size", "a picture of " + text + " has no pixels; both sides must be at least 1");
    }
    if (width > ProgramWindow::LargestSide || height > ProgramWindow::LargestSide)
    {
        Fail("--size", "both sides must be at most " + std::to_string(ProgramWindow::LargestSide) +
                           ", not " + text);
    }
    options.Width = static_cast<unsigned int>(width);
    options.Height = static_cast<unsigned int>(height);
}

// The path, when its extension names the file type, in any case.
std::string FileOfType(const std::string& option, const std::string& path, const std::string& what,
                       const std::string& type)
{
    const std::size_t dot = path.rfind('.');
    const std::string extension = Lowercase(dot == std::string::npos ? "" : path.substr(dot));
    if (extension != "." + Lowercase(type))
    {
        Fail(option, what + " is written as " + type + ": name a file ending in ." +
                         Lowercase(type) + ", not \"" + path + "\"");
    }
    return path;
}

// A frame may last up to an hour. The scenes take a frame's time in float seconds, and far
// longer ones (from about 1e38) are infinite there and lose the picture.
constexpr int LongestFrame = 3600;

// Seconds as a decimal number (0.02) or a fraction (1/50), up to LongestFrame.
double ReadSeconds(const std::string& text)
{
    const std::size_t slash = text.find('/');
    const std::string numerator = text.substr(0, slash);
    char* end = nullptr;
    double value = std::strtod(numerator.c_str(), &end);
    bool valid = !numerator.empty() && *end == '\0' &&
                 (std::isdigit(numerator.front()) || numerator.front() == '.');
    if (slash != std::string::npos)
    {
        unsigned long long denominator = 0;
        valid = valid && ReadUnsigned(text.substr(slash + 1), denominator) && denominator > 0;
        value /= static_cast<double>(denominator);
    }
    if (!valid || !std::isfinite(value))
    {
        Fail("--dt", "expected seconds such as 0.02 or 1/50, not \"" + text + "\"");
    }
    if (value > LongestFrame)
    {
        Fail("--dt", "a frame may last from 0 to " + std::to_string(LongestFrame) +
                         " seconds (one hour), not " + text);
    }
    return value;
}

// --every belongs to --gif, and GIF's delays are 16 bits of hundredths of a second; one more
// hundredth may come from the rounding carried over.
void CheckAnimation(const std::set<std::string>& given, const ShotOptions& options)
{
    if (options.Gif.empty() && given.count("--every") != 0)
    {
        Fail("--every", "picks the frames of the GIF: give --gif too");
    }
    const double longest = (GifWriter::LongestDelay - 1) / 100.0;
    if (options.Every * options.FrameTime > longest)
    {
        std::ostringstream problem;
        problem << "a GIF shows a frame for at most " << longest << " s, not " << options.Every
                << " frames of " << options.FrameTime << " s";
        Fail("--every", problem.str());
    }
}

// Stores one option's value.
void Apply(const std::string& option, const std::string& value, ShotOptions& options)
{
    if (option == "--scene")
    {
        options.Scene = value;
    }
    else if (option == "--out")
    {
        options.Out = FileOfType(option, value, "the picture", "PNG");
    }
    else if (option == "--gif")
    {
        options.Gif = FileOfType(option, value, "the animation", "GIF");
    }
    else if (option == "--size")
    {
        ReadSize(value, options);
    }
    else if (option == "--frames")
    {
        options.Frames = static_cast<int>(Unsigned(option, value, 1, 1000000));
    }
    else if (option == "--every")
    {
        options.Every = static_cast<int>(Unsigned(option, value, 1, 1000000));
    }
    else if (option == "--dt")
    {
        options.FrameTime = ReadSeconds(value);
    }
    else if (option == "--seed")
    {
        options.Seed = static_cast<unsigned int>(Unsigned(option, value, 0, 4294967295ull));
    }
    else if (option == "--script")
    {
        options.Script = value;
    }
    else
    {
        Fail(option, "unknown option (see --help)");
    }
}
} // namespace

ShotOptions ShotOptions::Parse(const std::vector<std::string>& arguments)
{
    ShotOptions options;
    std::set<std::string> given;
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
        {
            options.ShowHelp = true;
            continue;
        }
        if (argument == "--version")
        {
            options.ShowVersion = true;
            continue;
        }
        if (argument.rfind("--", 0) != 0)
        {
            Fail(argument, "unexpected argument; every value follows its option (see --help)");
        }
        // Both "--frames 10" and "--frames=10".
        const std::size_t equals = argument.find('=');
        const std::string option = argument.substr(0, equals);
        std::string value;
        if (equals != std::string::npos)
        {
            value = argument.substr(equals + 1);
        }
        else if (i + 1 < arguments.size())
        {
            value = arguments[++i];
        }
        else
        {
            Fail(option, "a value must follow it");
        }
        if (!given.insert(option).second)
        {
            Fail(option, "given twice");
        }
        Apply(option, value, options);
    }
    if (!options.ShowHelp && !options.ShowVersion)
    {
        if (options.Scene.empty())
        {
            Fail("--scene", "required: name the scene to draw");
        }
        if (options.Out.empty() && options.Gif.empty())
        {
            Fail("--out", "required: name the PNG file to write (or, with --gif, the GIF)");
        }
        CheckAnimation(given, options);
    }
    return options;
}

std::string ShotOptions::Help()
{
    return R"(Usage: pulsestage-shot --scene NAME (--out FILE.png | --gif FILE.gif | both)
                       [--size WxH] [--frames N] [--every K] [--dt SECONDS] [--seed N]
                       [--script FILE]

Draws a scene of pulsestage off-screen, deterministically, and writes the last frame as a PNG,
the frames as an animated GIF, or both. It builds the program's application, registers its
scenes in the program's order, makes NAME the active scene and initialises it, then runs frames
of the program's frame loop while the clock advances exactly SECONDS per frame and the random
numbers come from the seed. The scenes find their pictures where pulsestage does (pulsestage
--help tells where). It needs a display (under xvfb-run without one); the window it opens shows
the frames as they run.

Options (a value may also be joined with "=", as in --frames=120):
  --scene NAME     the scene to draw: "TestBoundedMovement" (the start-up scene) or "main"
  --out FILE.png   where to write the last frame; written only when everything else succeeded
  --gif FILE.gif   where to write the frames as a GIF that loops forever; put in place only when
                   everything else succeeded
  --size WxH       the window and the pictures, in pixels, each side 1 to 8192 (default 1024x600)
  --frames N       run at least N frames, 1 to 1000000 (default 1); a script may need more
  --every K        the GIF keeps every K-th frame and the last, 1 to 1000000 (default 1)
  --dt SECONDS     the time each frame takes, 0 to 3600, such as 0.02 or 1/50 (default 1/60)
  --seed N         seed of the random numbers, 0 to 4294967295 (default 1)
  --script FILE    input to apply between frames (below)
  --help, -h       print this text
  --version        print the version

The GIF shows each frame it keeps for the time since the frame kept before it, K x SECONDS,
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
  frames N                        N frames run
  # ...                           a comment, up to the end of the line
The input of the steps before a "frames" step reaches the scene in the first of those frames.
After the script, frames run until N frames have run in all and, if input is left over, until
one more frame has taken it. A scene that stops itself (Escape in "main") ends the run early; the
picture and the GIF end with its last frame.
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
with walk.txt holding the three lines "keydown Right", "frames 60" and "keyup Right".
)";
}
