#include "stage/ShotOptions.hpp"

#include "main/UsageError.hpp"
#include "stage/GifWriter.hpp"
#include "stage/Lowercase.hpp"
#include "stage/WholeRange.hpp"

#include <CLI/CLI.hpp>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace
{
// A frame may last up to an hour. The scenes take a frame's time in float seconds, and far
// longer ones (from about 1e38) are infinite there and lose the picture.
constexpr int LongestFrame = 3600;

// The path, when its extension names the file type, in any case.
CLI::Validator FileOfType(const std::string& what, const std::string& type)
{
    return CLI::Validator(
        [what, type](std::string& path)
        {
            const std::size_t dot = path.rfind('.');
            const std::string extension =
                Lowercase(dot == std::string::npos ? "" : path.substr(dot));
            return extension == "." + Lowercase(type)
                       ? std::string()
                       : what + " is written as " + type + ": name a file ending in ." +
                             Lowercase(type) + ", not \"" + path + "\"";
        },
        "");
}

// Two sides in pixels, such as "1024x600".
void ReadSize(const std::string& text, unsigned int& width, unsigned int& height)
{
    const std::size_t cross = text.find_first_of("xX");
    if (cross == std::string::npos)
    {
        throw CLI::ValidationError(
            "--size", "expected WIDTHxHEIGHT in pixels, such as 1024x600, not \"" + text + "\"");
    }
    try
    {
        width = static_cast<unsigned int>(WindowSides.Read(text.substr(0, cross)));
        height = static_cast<unsigned int>(WindowSides.Read(text.substr(cross + 1)));
    }
    catch (const std::invalid_argument& problem)
    {
        throw CLI::ValidationError("--size", std::string("each side ") + problem.what());
    }
}

// Seconds as a decimal number (0.02) or a fraction (1/50), up to LongestFrame.
double ReadSeconds(const std::string& text)
{
    const std::size_t slash = text.find('/');
    const std::string numerator = text.substr(0, slash);
    char* end = nullptr;
    double value = std::strtod(numerator.c_str(), &end);
    bool valid =
        !numerator.empty() && *end == '\0' &&
        (std::isdigit(static_cast<unsigned char>(numerator.front())) || numerator.front() == '.');
    if (slash != std::string::npos)
    {
        unsigned long long denominator = 0;
        const char* const last = text.data() + text.size();
        const auto read = std::from_chars(text.data() + slash + 1, last, denominator);
        valid = valid && read.ec == std::errc() && read.ptr == last && denominator > 0;
        value /= static_cast<double>(denominator);
    }
    if (!valid || !std::isfinite(value))
    {
        throw CLI::ValidationError("--dt",
                                   "expected seconds such as 0.02 or 1/50, not \"" + text + "\"");
    }
    if (value > LongestFrame)
    {
        throw CLI::ValidationError("--dt", "a frame may last from 0 to " +
                                               std::to_string(LongestFrame) +
                                               " seconds (one hour), not " + text);
    }
    return value;
}
} // namespace

void ShotOptions::Declare(CLI::App& options)
{
    options
        .add_option("--scene", Scene,
                    R"(the scene to draw: "TestBoundedMovement" (the start-up scene) or "main")")
        ->type_name("NAME");
    options
        .add_option("--out", Out,
                    "where to write the last frame; written only when everything else succeeded")
        ->type_name("FILE.png")
        ->check(FileOfType("the picture", "PNG"));
    CLI::Option* const gif =
        options
            .add_option("--gif", Gif,
                        "where to write the frames as a GIF that loops forever; put in place\n"
                        "only when everything else succeeded")
            ->type_name("FILE.gif")
            ->check(FileOfType("the animation", "GIF"));
    options
        .add_option_function<std::string>(
            "--size", [this](const std::string& text) { ReadSize(text, Width, Height); },
            "the window and the pictures, in pixels, each side " + WindowSides.Text() +
                " (default 1024x600)")
        ->type_name("WxH");
    options
        .add_option("--frames", Frames,
                    "run at least N frames, " + FrameCounts.Text() +
                        " (default 1); a script may need more")
        ->type_name("N")
        ->check(FrameCounts.Check());
    options
        .add_option("--every", Every,
                    "the GIF keeps every K-th frame and the last, " + FrameCounts.Text() +
                        " (default 1)")
        ->type_name("K")
        ->check(FrameCounts.Check())
        ->needs(gif);
    options
        .add_option_function<std::string>(
            "--dt", [this](const std::string& text) { FrameTime = ReadSeconds(text); },
            "the time each frame takes, 0 to " + std::to_string(LongestFrame) +
                ", such as 0.02 or 1/50 (default 1/60)")
        ->type_name("SECONDS");
    options
        .add_option("--seed", Seed, "seed of the random numbers, " + Seeds.Text() + " (default 1)")
        ->type_name("N")
        ->check(Seeds.Check());
    options.add_option("--script", Script, "input to apply between frames (below)")
        ->type_name("FILE");
    options.add_flag("--window-pixels", WindowPictures,
                     "draw the pictures in the program's kind of window and take its pixels, as\n"
                     "pulsestage-scene showed them, instead of off-screen; the window may\n"
                     "antialias otherwise, or not at all (Xvfb's windows)");
    options.add_flag("--inspector", Inspector,
                     "draw pulsestage-scene's inspector over the pictures (F1 there)");
}

void ShotOptions::Check() const
{
    if (Scene.empty())
    {
        throw UsageError("--scene: required: name the scene to draw");
    }
    if (Out.empty() && Gif.empty())
    {
        throw UsageError("--out: required: name the PNG file to write (or, with --gif, the GIF)");
    }
    // GIF's delays are 16 bits of hundredths of a second; one more hundredth may come from the
    // rounding carried over.
    const double longest = (GifWriter::LongestDelay - 1) / 100.0;
    if (Every * FrameTime > longest)
    {
        std::ostringstream problem;
        problem << "--every: a GIF shows a frame for at most " << longest << " s, not " << Every
                << " frames of " << FrameTime << " s";
        throw UsageError(problem.str());
    }
}
