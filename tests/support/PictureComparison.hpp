#pragma once

#include "gfx/Image.hpp"

namespace testing_support
{
// How far a picture is from the one expected.
struct PictureDifference
{
    bool SameSize = false;
    // Pixels where any channel differs.
    unsigned int DifferentPixels = 0;
    // The largest difference of one channel of one pixel, 0 to 255.
    unsigned int LargestChannelDifference = 0;
    // The expected picture faded to grey, with every differing pixel in red, the brighter the
    // larger its difference; empty when the sizes differ.
    gfx::Image Picture;
};

PictureDifference ComparePictures(const gfx::Image& expected, const gfx::Image& actual);
} // namespace testing_support
