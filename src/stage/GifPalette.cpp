#include "stage/GifPalette.hpp"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace
{
// A colour as 0xRRGGBB, the key of the tallies and of the lookup table.
using Rgb = std::uint32_t;

constexpr std::uint8_t NotLookedUp = GifPalette::MostColors;

Rgb RgbOf(const gfx::Color& color)
{
    return (Rgb{color.r} << 16) | (Rgb{color.g} << 8) | Rgb{color.b};
}

// Red, green or blue: 0, 1 or 2.
int ChannelOf(Rgb rgb, int channel)
{
    return static_cast<int>((rgb >> (16 - 8 * channel)) & 0xff);
}

// One colour of the picture and how many of its pixels have it.
struct Tally
{
    Rgb Color;
    std::uint64_t Pixels;
};

// A run of tallies that one entry of the palette stands for.
struct Box
{
    std::size_t Begin;
    std::size_t End;
    std::uint64_t Pixels;
    int WidestChannel;
    int Span;
};

// The picture's colours, ordered by their value so that equal pictures give equal palettes.
std::vector<Tally> CountColors(const gfx::Image& picture)
{
    std::unordered_map<Rgb, std::uint64_t> counts;
    for (unsigned int y = 0; y < picture.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < picture.GetWidth(); ++x)
        {
            ++counts[RgbOf(picture.GetPixel(x, y))];
        }
    }
    std::vector<Tally> tallies;
    for (const auto& [color, pixels] : counts)
    {
        tallies.push_back({color, pixels});
    }
    std::sort(tallies.begin(), tallies.end(),
              [](const Tally& a, const Tally& b) { return a.Color < b.Color; });
    return tallies;
}

Box Measure(const std::vector<Tally>& tallies, std::size_t begin, std::size_t end)
{
    Box box{begin, end, 0, 0, -1};
    for (int channel = 0; channel < 3; ++channel)
    {
        const auto [least, most] = std::minmax_element(
            tallies.begin() + begin, tallies.begin() + end,
            [channel](const Tally& a, const Tally& b)
            { return ChannelOf(a.Color, channel) < ChannelOf(b.Color, channel); });
        const int span = ChannelOf(most->Color, channel) - ChannelOf(least->Color, channel);
        if (span > box.Span)
        {
            box.WidestChannel = channel;
            box.Span = span;
        }
    }
    for (std::size_t i = begin; i < end; ++i)
    {
        box.Pixels += tallies[i].Pixels;
    }
    return box;
}

// Orders the box's colours along its widest channel and cuts it where half of its pixels lie on
// either side, leaving at least one colour in each half.
std::size_t Cut(std::vector<Tally>& tallies, const Box& box)
{
    const int channel = box.WidestChannel;
    std::sort(tallies.begin() + box.Begin, tallies.begin() + box.End,
              [channel](const Tally& a, const Tally& b)
              {
                  const int p = ChannelOf(a.Color, channel);
                  const int q = ChannelOf(b.Color, channel);
                  return p != q ? p < q : a.Color < b.Color;
              });
    std::size_t cut = box.Begin;
    std::uint64_t below = 0;
    while (cut + 1 < box.End && 2 * below < box.Pixels)
    {
        below += tallies[cut].Pixels;
        ++cut;
    }
    return cut;
}

std::vector<Box> MedianCut(std::vector<Tally>& tallies, std::size_t count)
{
    std::vector<Box> boxes{Measure(tallies, 0, tallies.size())};
    while (boxes.size() < count)
    {
        const auto widest = std::max_element(boxes.begin(), boxes.end(),
                                             [](const Box& a, const Box& b)
                                             { return a.Span * a.Pixels < b.Span * b.Pixels; });
        // Every box holds a single colour.
        if (widest->Span == 0)
        {
            break;
        }
        const Box whole = *widest;
        const std::size_t cut = Cut(tallies, whole);
        *widest = Measure(tallies, whole.Begin, cut);
        boxes.push_back(Measure(tallies, cut, whole.End));
    }
    return boxes;
}

// The box's colours averaged over its pixels, rounded.
gfx::Color MeanOf(const std::vector<Tally>& tallies, const Box& box)
{
    std::array<std::uint64_t, 3> sums{};
    for (std::size_t i = box.Begin; i < box.End; ++i)
    {
        for (int channel = 0; channel < 3; ++channel)
        {
            sums[channel] += ChannelOf(tallies[i].Color, channel) * tallies[i].Pixels;
        }
    }
    const auto mean = [&](int channel)
    { return static_cast<std::uint8_t>((sums[channel] + box.Pixels / 2) / box.Pixels); };
    return gfx::Color(mean(0), mean(1), mean(2), 255);
}
// Fills the entries a picture of few colours leaves free with an even grid of colours, levels
// a channel, when there is room for at least two.
void AddGrid(std::vector<gfx::Color>& colors)
{
    const std::size_t spare = GifPalette::MostColors - colors.size();
    int levels = 1;
    while (static_cast<std::size_t>((levels + 1) * (levels + 1) * (levels + 1)) <= spare)
    {
        ++levels;
    }
    if (levels < 2)
    {
        return;
    }
    const auto level = [levels](int i)
    { return static_cast<std::uint8_t>(255 * i / (levels - 1)); };
    for (int r = 0; r < levels; ++r)
    {
        for (int g = 0; g < levels; ++g)
        {
            for (int b = 0; b < levels; ++b)
            {
                colors.emplace_back(level(r), level(g), level(b), 255);
            }
        }
    }
}
} // namespace

GifPalette::GifPalette(const gfx::Image& picture) : myNearest(std::size_t{1} << 24, NotLookedUp)
{
    std::vector<Tally> tallies = CountColors(picture);
    for (const Box& box : MedianCut(tallies, MostColors))
    {
        myColors.push_back(MeanOf(tallies, box));
    }
    AddGrid(myColors);
}

std::uint8_t GifPalette::IndexOf(const gfx::Color& color)
{
    std::uint8_t& index = myNearest[RgbOf(color)];
    if (index == NotLookedUp)
    {
        index = Nearest(color);
    }
    return index;
}

std::uint8_t GifPalette::Nearest(const gfx::Color& color) const
{
    const auto distance = [&color](const gfx::Color& entry)
    {
        const auto square = [](int d) { return d * d; };
        return square(entry.r - color.r) + square(entry.g - color.g) + square(entry.b - color.b);
    };
    const auto nearest = std::min_element(myColors.begin(), myColors.end(),
                                          [&](const gfx::Color& a, const gfx::Color& b)
                                          { return distance(a) < distance(b); });
    return static_cast<std::uint8_t>(nearest - myColors.begin());
}
