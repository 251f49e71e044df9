#pragma once

#include "gfx/Color.hpp"
#include "gfx/Image.hpp"

#include <cstdint>
#include <vector>

// The colours of an animated GIF, chosen once from one picture of it: at most 255, so that one
// entry of GIF's 256 stays free to mark unchanged pixels. A median cut splits the picture's
// colours into boxes, always the box whose widest channel spans the most times the pixels it
// holds, and takes each box's mean: the large flat areas of a scene come out exact, and the
// shaded and blended colours of later frames fall within a few steps of some entry. A picture of
// fewer colours leaves room for an even grid of colours besides, so that colours it lacks still
// find a near entry. A fixed palette alone was too coarse: a uniform cube merges the main
// scene's blue rectangles into one.
//
// giflib 5.2 keeps its own quantiser only as a deprecated entry point that works at 5 bits a
// channel (white comes out light grey), so the cut is done here.
class GifPalette
{
public:
    static constexpr std::size_t MostColors = 255;

    // The picture has at least one pixel.
    explicit GifPalette(const gfx::Image& picture);

    // At least one entry; alpha is 255.
    const std::vector<gfx::Color>& GetColors() const { return myColors; }
    // For every pixel of the picture, row after row, the entry nearest to its colour (least
    // squared distance, the first of equals), into indices, resized to fit; alpha does not count.
    // Remembers the answers, as a capture asks for the same colours again and again.
    void IndicesOf(const gfx::Image& picture, std::vector<std::uint8_t>& indices);

private:
    std::uint8_t Nearest(std::uint32_t rgb) const;

    std::vector<gfx::Color> myColors;
    // For each 24-bit colour the entry found for it, or NotLookedUp.
    std::vector<std::uint8_t> myNearest;
};
