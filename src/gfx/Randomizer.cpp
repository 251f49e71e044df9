#include "gfx/Randomizer.hpp"

#include <algorithm>
#include <cstdint>
#include <random>

namespace gfx
{
namespace
{
std::mt19937& Engine()
{
    static std::mt19937 engine{std::random_device{}()};
    return engine;
}
} // namespace

void Randomizer::SetSeed(unsigned int seed)
{
    Engine().seed(seed);
}

float Randomizer::Random(float begin, float end)
{
    // Dividing by the largest value the engine yields, not one past it, includes the end.
    const double unit = static_cast<double>(Engine()()) / static_cast<double>(std::mt19937::max());
    return static_cast<float>(begin + unit * (static_cast<double>(end) - begin));
}

int Randomizer::Random(int begin, int end)
{
    if (end < begin)
    {
        std::swap(begin, end);
    }
    const std::uint64_t count =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(end) - begin) + 1;
    // Two draws make 64 bits, so the remainder is as good as uniform even for the widest range.
    const std::uint64_t high = Engine()();
    const std::uint64_t low = Engine()();
    const std::uint64_t bits = (high << 32) | low;
    return static_cast<int>(static_cast<std::int64_t>(begin) +
                            static_cast<std::int64_t>(bits % count));
}
} // namespace gfx
