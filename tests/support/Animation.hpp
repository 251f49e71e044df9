#pragma once

#include "gfx/Image.hpp"

#include <array>
#include <filesystem>
#include <vector>

namespace testing_support
{
// An animated GIF read with giflib, as a viewer shows it.
struct Animation
{
    // Each frame drawn over the ones before it, where it is not transparent.
    std::vector<gfx::Image> Frames;
    // The rectangle each frame stores: left, top, width, height.
    std::vector<std::array<int, 4>> Stored;
    // How many pixels each frame draws, the others being transparent.
    std::vector<int> Drawn;
    // The colours of the global table that frames draw with: those before the first frame's
    // transparent entry.
    std::vector<gfx::Color> Palette;
    // How long each frame shows, in hundredths of a second.
    std::vector<int> Delays;
    // The application extension "NETSCAPE2.0" with a loop count of 0 leads the frames.
    bool LoopsForever = false;
};

// Adds a test failure and returns no frames when the file holds no animation. Every frame must
// leave the ones before it in place (GIF's disposal "do not dispose").
Animation ReadAnimation(const std::filesystem::path& path);
} // namespace testing_support
