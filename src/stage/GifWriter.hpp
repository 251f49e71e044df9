#pragma once

#include "gfx/Image.hpp"
#include "stage/GifPalette.hpp"
#include "stage/PartFile.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct GifFileType;

// Writes an animated GIF that loops forever, frame by frame, with giflib. The frames go into a
// PartFile, which Commit puts in place; a writer that goes without Commit leaves nothing.
//
// The first frame chooses the palette (GifPalette) for all of them. Every later frame stores
// only the rectangle around the pixels whose colour changed, and inside it marks the unchanged
// pixels transparent, so that a scene that moves in places costs little more than its changes.
class GifWriter
{
public:
    // The longest time a frame can show, in hundredths of a second.
    static constexpr int LongestDelay = 65535;

    // Creates the temporary file. Throws std::runtime_error when it cannot.
    explicit GifWriter(const std::string& path);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // Appends a frame that shows for delay hundredths of a second (0 to LongestDelay). Every
    // frame has the size of the first. Throws std::runtime_error when the file cannot be
    // written or the size differs.
    void AddFrame(const gfx::Image& picture, int delay);
    // Ends the file and renames it to the target. Throws std::runtime_error when there is no
    // frame or the file cannot be finished.
    void Commit();

private:
    struct Area
    {
        unsigned int Left;
        unsigned int Top;
        unsigned int Width;
        unsigned int Height;
    };

    void Begin(const gfx::Image& first);
    std::vector<std::uint8_t> IndicesOf(const gfx::Image& picture);
    // Around every pixel whose index differs from the shown one; nothing when none does.
    std::optional<Area> ChangedArea(const std::vector<std::uint8_t>& indices) const;
    void PutFrame(const std::vector<std::uint8_t>& indices, const Area& area, int delay);
    // Throws std::runtime_error naming the target and giflib's reason when result is an error.
    void Check(int result) const;
    [[noreturn]] void Fail(const std::string& reason) const;

    PartFile myFile;
    GifFileType* myGif = nullptr;
    std::optional<GifPalette> myPalette;
    std::uint8_t myTransparent = 0;
    unsigned int myWidth = 0;
    unsigned int myHeight = 0;
    // The palette index of every pixel as a viewer shows it after the last frame.
    std::vector<std::uint8_t> myShown;
};
