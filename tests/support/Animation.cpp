#include "support/Animation.hpp"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <string>

namespace testing_support
{
namespace
{
bool LoopsForever(const SavedImage& first)
{
    const ExtensionBlock* const blocks = first.ExtensionBlocks;
    const auto bytes = [](const ExtensionBlock& block)
    { return std::string(block.Bytes, block.Bytes + block.ByteCount); };
    return first.ExtensionBlockCount >= 2 && blocks[0].Function == APPLICATION_EXT_FUNC_CODE &&
           bytes(blocks[0]) == "NETSCAPE2.0" && bytes(blocks[1]) == std::string{1, 0, 0};
}

GraphicsControlBlock Control(GifFileType* gif, int frame)
{
    GraphicsControlBlock control;
    DGifSavedExtensionToGCB(gif, frame, &control);
    return control;
}

// Draws the frame's pixels that are not transparent and returns how many they are.
int DrawFrame(GifFileType* gif, int index, gfx::Image& canvas)
{
    const SavedImage& frame = gif->SavedImages[index];
    const GifImageDesc& area = frame.ImageDesc;
    const ColorMapObject& colors = area.ColorMap ? *area.ColorMap : *gif->SColorMap;
    const int transparent = Control(gif, index).TransparentColor;
    int drawn = 0;
    for (int k = 0; k < area.Width * area.Height; ++k)
    {
        if (frame.RasterBits[k] != transparent)
        {
            const GifColorType color = colors.Colors[frame.RasterBits[k]];
            canvas.SetPixel(area.Left + k % area.Width, area.Top + k / area.Width,
                            gfx::Color(color.Red, color.Green, color.Blue, 255));
            ++drawn;
        }
    }
    return drawn;
}
} // namespace

Animation ReadAnimation(const std::filesystem::path& path)
{
    Animation animation;
    int error = 0;
    GifFileType* const gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif || DGifSlurp(gif) != GIF_OK || gif->ImageCount == 0)
    {
        ADD_FAILURE() << path
                      << " holds no animation: " << GifErrorString(gif ? gif->Error : error);
        DGifCloseFile(gif, &error);
        return animation;
    }
    for (int i = 0; i < gif->ImageCount; ++i)
    {
        EXPECT_EQ(Control(gif, i).DisposalMode, DISPOSE_DO_NOT) << path << " frame " << i;
        animation.Delays.push_back(Control(gif, i).DelayTime);
        const GifImageDesc& area = gif->SavedImages[i].ImageDesc;
        animation.Stored.push_back({area.Left, area.Top, area.Width, area.Height});
        gfx::Image canvas(static_cast<unsigned int>(gif->SWidth),
                          static_cast<unsigned int>(gif->SHeight));
        for (int before = 0; before < i; ++before)
        {
            DrawFrame(gif, before, canvas);
        }
        animation.Drawn.push_back(DrawFrame(gif, i, canvas));
        animation.Frames.push_back(std::move(canvas));
    }
    animation.LoopsForever = LoopsForever(gif->SavedImages[0]);
    const int transparent = Control(gif, 0).TransparentColor;
    for (int i = 0; gif->SColorMap && i < gif->SColorMap->ColorCount && i != transparent; ++i)
    {
        const GifColorType color = gif->SColorMap->Colors[i];
        animation.Palette.emplace_back(color.Red, color.Green, color.Blue, 255);
    }
    DGifCloseFile(gif, &error);
    return animation;
}
} // namespace testing_support
