// pulsestage-shot under long random scripts: whatever the input, every scene keeps drawing and
// the tool writes its picture with exit code 0. In the sanitizer build a sanitizer's report ends
// the tool with another code. The seed is 1, or PULSESTAGE_FUZZ_SEED when it is set:
// tools/fuzz.sh runs longer campaigns through this test.
#include "support/ChildProcess.hpp"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Input events per scene. Frames and resizes go through the real window system and the software
// renderer and cost far more than events, so there are fewer of them. A frame of the main scene at
// 4096 x 4096 takes the software renderer about 0.3 s: a window larger than LargestFramedArea gets
// only the frame that follows its resize. An antialiased picture of that size alone takes seconds
// and most of a gigabyte: the last size stays small.
constexpr unsigned int InputLines = 100000;
constexpr unsigned int FrameSteps = 1000;
constexpr unsigned int Resizes = 60;
constexpr unsigned int LargestSide = 4096;
constexpr unsigned int LargestFramedArea = 1024 * 1024;
constexpr unsigned int LargestLastSide = 400;

// A script of every step with extreme arguments, drawn from a seed, with changes to the pulses
// named when there are any. It uses the generator's raw numbers only, which are the same with
// every standard library.
std::string RandomScript(unsigned int seed, const std::vector<std::string>& pulses)
{
    std::mt19937 random(seed);
    const auto below = [&](unsigned int bound)
    { return static_cast<unsigned int>(random() % bound); };
    // Mostly on and around the window, else anywhere an int reaches.
    const auto coordinate = [&](unsigned int side)
    {
        const long extremes[] = {
            INT_MIN, INT_MAX, -1, 0, static_cast<long>(side), static_cast<std::int32_t>(random())};
        const long around = static_cast<long>(below(2 * side + 1)) - side / 2;
        return std::to_string(below(2) == 0 ? extremes[below(6)] : around);
    };
    unsigned int width = 320;
    unsigned int height = 200;
    // Each side 1, a small one, any one or the largest.
    const auto resize = [&](unsigned int largest)
    {
        const unsigned int sides[] = {1, 1 + below(64), 1 + below(largest), largest,
                                      1, 1 + below(64), 1 + below(largest), largest};
        width = sides[below(4)];
        height = sides[4 + below(4)];
        return "resize " + std::to_string(width) + " " + std::to_string(height) + "\n";
    };
    // Escape would end the main scene's run at once.
    const char* const keys[] = {"Left",  "Right", "Up",  "Down", "PageUp",  "PageDown",
                                "Space", "A",     "Tab", "F15",  "Numpad0", "LShift"};
    const char* const buttons[] = {"left ", "right ", "middle "};
    const char* const parameters[] = {"timefactor ", "phaseoffset ", "factor ", "offset "};
    const char* const values[] = {"-1000 ", "1000 ", "0 ", "0.001 "};
    const char* const seconds[] = {"", " 0", " 0.001", " 1", " 3600"};
    std::ostringstream script;
    for (unsigned int line = 0; line < InputLines; ++line)
    {
        const std::string point = coordinate(width) + " " + coordinate(height);
        const long deltas[] = {1, 9, 10, 1000, static_cast<long>(below(1000)) + 1};
        const long wheel = (below(2) == 0 ? 1 : -1) * deltas[below(5)];
        const std::string button = buttons[below(3)];
        const std::string key = keys[below(12)];
        const std::string steps[] = {"move " + point,
                                     "move " + point,
                                     "press " + button + point,
                                     "release " + button + point,
                                     "wheel " + std::to_string(wheel) + " " + point,
                                     "key " + key,
                                     "keydown " + key,
                                     "keyup " + key,
                                     below(2) == 0 ? "enter" : "leave",
                                     below(2) == 0 ? "focus" : "unfocus",
                                     below(2) == 0 ? "pause" : "resume"};
        script << steps[below(11)] << '\n';
        if (!pulses.empty() && below(100) == 0)
        {
            script << "set " << parameters[below(4)] << values[below(4)]
                   << pulses[below(static_cast<unsigned int>(pulses.size()))] << '\n';
        }
        if (below(InputLines) < FrameSteps && width * height <= LargestFramedArea)
        {
            script << (below(4) == 0 ? "step"
                                     : "frames " + std::to_string(1 + below(3)) + seconds[below(5)])
                   << '\n';
        }
        if (below(InputLines) < Resizes)
        {
            script << resize(LargestSide) << "frames 1\n";
        }
    }
    return script.str() + resize(LargestLastSide);
}
} // namespace

TEST(ShotFuzz, RandomScriptsOfEveryStepNeverBreakAScene)
{
    const char* const chosen = std::getenv("PULSESTAGE_FUZZ_SEED");
    const unsigned int seed =
        chosen ? static_cast<unsigned int>(std::strtoul(chosen, nullptr, 10)) : 1;
    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-fuzz-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::vector<std::string> mainPulses = {"main",
                                                 "main rotation",
                                                 "background rotation",
                                                 "background rect 16 shade",
                                                 "AWESOME label scale",
                                                 "shelf 2 slot 5 scale"};
    for (const std::string scene : {"TestBoundedMovement", "main"})
    {
        const fs::path script = folder / (scene + ".script");
        const fs::path picture = folder / (scene + ".png");
        std::ofstream(script) << RandomScript(seed, scene == "main" ? mainPulses
                                                                    : std::vector<std::string>());
        testing_support::ChildProcess shot(PULSESTAGE_SHOT_BINARY,
                                           {"--scene", scene, "--size", "320x200", "--seed",
                                            std::to_string(seed), "--script", script.string(),
                                            "--out", picture.string()});
        EXPECT_EQ(shot.ExitCode(std::chrono::seconds(100)), 0)
            << "seed " << seed << ", script kept in " << script << ":\n"
            << shot.Errors();
        EXPECT_TRUE(fs::exists(picture)) << "seed " << seed;
    }
    if (!::testing::Test::HasFailure())
    {
        fs::remove_all(folder);
    }
}
