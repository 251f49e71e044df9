#pragma once

#include <optional>
#include <string>

class PulseGenerator;

// The four parameters of a pulse as the tools show and change them. A generator's are its own
// values; a variation's are what it does to its origin's (the factors and addends), since the
// setters a variation inherits store into fields it never reads.
class PulseParameter
{
public:
    enum Which
    {
        TimeFactor,
        PhaseOffset,
        Factor,
        Offset
    };
    static constexpr int Count = 4;
    // The tools set values within this much either side of 0: enough to take any pulse apart,
    // and little enough that a chain of variations multiplying them stays finite.
    static constexpr float Limit = 1000.0f;

    PulseParameter() = delete;

    // The script's names: "timefactor", "phaseoffset", "factor", "offset".
    static const char* NameOf(Which parameter);
    // Any case; nothing for another word.
    static std::optional<Which> Named(const std::string& name);
    static bool IsVariation(const PulseGenerator& pulse);
    static float Get(const PulseGenerator& pulse, Which parameter);
    static void Set(PulseGenerator& pulse, Which parameter, float value);
};
