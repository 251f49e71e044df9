#pragma once

namespace gfx
{
// Random numbers with both bounds included. The sequence starts from an unpredictable seed;
// the program never seeds it, tests do (SetSeed) to make it repeatable.
class Randomizer
{
public:
    Randomizer() = delete;

    static void SetSeed(unsigned int seed);
    // A value from begin to end, both included; the bounds may come in either order.
    static float Random(float begin, float end);
    static int Random(int begin, int end);
};
} // namespace gfx
