#pragma once

#include <limits>
#include <string>

namespace CLI
{
class Validator;
}

// A range of whole numbers that pulsestage-shot takes, on its command line as in its scripts,
// with the one way it reads them: an optional minus sign and decimal digits, nothing else.
class WholeRange
{
public:
    constexpr WholeRange(long long least, long long most) : myLeast(least), myMost(most) {}

    // The number the whole text spells. Throws std::invalid_argument saying what is wrong, such
    // as "must be from 1 to 8192, not 0", for the caller to put after the value's name.
    long long Read(const std::string& text) const;
    // The same check for an option of CLI11, which puts its message after the option's name.
    CLI::Validator Check() const;
    // "1 to 8192", for the help.
    std::string Text() const;
    constexpr long long Most() const { return myMost; }

private:
    long long myLeast;
    long long myMost;
};

// The ranges the command line and the scripts share.
// A number of frames, or the K of "every K-th frame".
inline constexpr WholeRange FrameCounts(1, 1000000);
// A side of the window in pixels: the tools refuse a larger one rather than leave it to the
// window system's mercy.
inline constexpr WholeRange WindowSides(1, 8192);
inline constexpr WholeRange Seeds(0, 4294967295);
// A window pixel's coordinate: a drag may leave the window on any side.
inline constexpr WholeRange Coordinates(std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max());
inline constexpr WholeRange WheelSteps(-1000, 1000);
