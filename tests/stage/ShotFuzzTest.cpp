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

// A script of every step with extreme arguments, drawn from a seed. It uses the generator's raw
// numbers only, which are the same with every standard library.
class RandomScript
{
public:
    explicit RandomScript(unsigned int seed) : myRandom(seed) {}

    std::string Write()
    {
        std::ostringstream script;
        for (unsigned int line = 0; line < InputLines; ++line)
        {
            script << Input() << '\n';
            if (Below(InputLines) < FrameSteps && myWidth * myHeight <= LargestFramedArea)
            {
                script << "frames " << 1 + Below(3) << '\n';
            }
            if (Below(InputLines) < Resizes)
            {
                script << Resize(LargestSide) << "frames 1\n";
            }
        }
        script << Resize(LargestLastSide);
        return script.str();
    }

private:
    unsigned int Below(unsigned int bound) { return static_cast<unsigned int>(myRandom() % bound); }

    template <std::size_t Count> const char* OneOf(const char* const (&words)[Count])
    {
        return words[Below(Count)];
    }

    // Mostly on and around the window, else anywhere an int reaches.
    long Coordinate(unsigned int side)
    {
        switch (Below(4))
        {
        case 0:
        {
            const long extremes[] = {INT_MIN, INT_MAX, -1, 0, static_cast<long>(side)};
            return extremes[Below(5)];
        }
        case 1:
            return static_cast<std::int32_t>(myRandom());
        default:
            return static_cast<long>(Below(2 * side + 1)) - side / 2;
        }
    }

    std::string Point()
    {
        return std::to_string(Coordinate(myWidth)) + " " + std::to_string(Coordinate(myHeight));
    }

    long WheelDelta()
    {
        const long deltas[] = {1, 9, 10, 1000, static_cast<long>(Below(1000)) + 1};
        return (Below(2) == 0 ? 1 : -1) * deltas[Below(5)];
    }

    std::string Input()
    {
        // Escape would end the main scene's run at once.
        static const char* const keys[] = {"Left",  "Right", "Up",  "Down", "PageUp",  "PageDown",
                                           "Space", "A",     "Tab", "F15",  "Numpad0", "LShift"};
        static const char* const buttons[] = {"left", "right", "middle"};
        switch (Below(12))
        {
        case 0:
        case 1:
        case 2:
            return "move " + Point();
        case 3:
        case 4:
            return std::string("press ") + OneOf(buttons) + " " + Point();
        case 5:
            return std::string("release ") + OneOf(buttons) + " " + Point();
        case 6:
        case 7:
            return "wheel " + std::to_string(WheelDelta()) + " " + Point();
        case 8:
            return std::string("key ") + OneOf(keys);
        case 9:
            return std::string("keydown ") + OneOf(keys);
        case 10:
            return std::string("keyup ") + OneOf(keys);
        default:
            return Below(2) == 0 ? "enter" : "leave";
        }
    }

    // A side of 1, a small one, any one or the largest.
    unsigned int Side(unsigned int largest)
    {
        const unsigned int sides[] = {1, 1 + Below(64), 1 + Below(largest), largest};
        return sides[Below(4)];
    }

    std::string Resize(unsigned int largest)
    {
        myWidth = Side(largest);
        myHeight = Side(largest);
        return "resize " + std::to_string(myWidth) + " " + std::to_string(myHeight) + "\n";
    }

    std::mt19937 myRandom;
    unsigned int myWidth = 320;
    unsigned int myHeight = 200;
};

unsigned int Seed()
{
    const char* seed = std::getenv("PULSESTAGE_FUZZ_SEED");
    return seed ? static_cast<unsigned int>(std::strtoul(seed, nullptr, 10)) : 1;
}
} // namespace

TEST(ShotFuzz, RandomScriptsOfEveryStepNeverBreakAScene)
{
    const unsigned int seed = Seed();
    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-fuzz-" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (const std::string scene : {"TestBoundedMovement", "main"})
    {
        const fs::path script = folder / (scene + ".script");
        const fs::path picture = folder / (scene + ".png");
        std::ofstream(script) << RandomScript(seed).Write();
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
