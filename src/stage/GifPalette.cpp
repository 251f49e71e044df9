#include "stage/GifPalette.hpp"

#include <algorithm>
#include <array>
#include <climits>
#include <unordered_map>

namespace
{
// A colour as 0xRRGGBB, the key of the tallies and of the lookup table.
using Rgb = std::uint32_t;

constexpr std::uint8_t NotLookedUp = GifPalette::MostColors;
// No colour of 24 bits.
constexpr Rgb NoColor = 0xffffffff;

// The pixel's four bytes are red, green, blue and alpha.
Rgb RgbOf(const std::uint8_t* pixel)
{
    return (Rgb{pixel[0]} << 16) | (Rgb{pixel[1]} << 8) | Rgb{pixel[2]};
}

// The picture's pixels in bulk: one call a pixel costs a capture more than the rest of its work.
template <typename Visit> void ForEachRgb(const gfx::Image& picture, Visit visit)
{
    const std::uint8_t* pixel = picture.GetPixelsPtr();
    const std::size_t count = std::size_t{picture.GetWidth()} * picture.GetHeight();
    for (std::size_t i = 0; i < count; ++i, pixel += 4)
    {
        visit(i, RgbOf(pixel));
    }
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
    ForEachRgb(picture, [&counts](std::size_t, Rgb rgb) { ++counts[rgb]; });
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

void GifPalette::IndicesOf(const gfx::Image& picture, std::vector<std::uint8_t>& indices)
{
    indices.resize(std::size_t{picture.GetWidth()} * picture.GetHeight());
    // Neighbouring pixels mostly share their colour: no look-up for those.
    Rgb previous = NoColor;
    std::uint8_t index = 0;
    ForEachRgb(picture,
               [&](std::size_t i, Rgb rgb)
               {
                   if (rgb != previous)
                   {
                       std::uint8_t& found = myNearest[rgb];
                       if (found == NotLookedUp)
                       {
                           found = Nearest(rgb);
                       }
                       index = found;
                       previous = rgb;
                   }
                   indices[i] = index;
               });
}

std::uint8_t GifPalette::Nearest(Rgb rgb) const
{
    const auto square = [](int d) { return d * d; };
    int least = INT_MAX;
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < myColors.size(); ++i)
    {
        const gfx::Color& entry = myColors[i];
        const int distance = square(entry.r - ChannelOf(rgb, 0)) +
                             square(entry.g - ChannelOf(rgb, 1)) +
                             square(entry.b - ChannelOf(rgb, 2));
        if (distance < least)
        {
            least = distance;
            nearest = i;
        }
        if (least == 0)
        {
            break;
        }
    }
    return static_cast<std::uint8_t>(nearest);
}
