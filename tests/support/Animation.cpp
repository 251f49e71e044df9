#include "support/Animation.hpp"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <string>

namespace testing_support
{
namespace
{
gfx::Image Copy(const gfx::Image& image)
{
    gfx::Image copy(image.GetWidth(), image.GetHeight());
    for (unsigned int y = 0; y < image.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < image.GetWidth(); ++x)
        {
            copy.SetPixel(x, y, image.GetPixel(x, y));
        }
    }
    return copy;
}

bool LoopsForever(const SavedImage& first)
{
    const ExtensionBlock* const blocks = first.ExtensionBlocks;
    const auto bytes = [](const ExtensionBlock& block)
    { return std::string(block.Bytes, block.Bytes + block.ByteCount); };
    return first.ExtensionBlockCount >= 2 && blocks[0].Function == APPLICATION_EXT_FUNC_CODE &&
           bytes(blocks[0]) == "NETSCAPE2.0" && bytes(blocks[1]) == std::string{1, 0, 0};
}

// Draws the frame's pixels that are not transparent and returns how many they are.
int DrawFrame(const SavedImage& frame, const ColorMapObject& colors, int transparent,
              gfx::Image& canvas)
{
    int drawn = 0;
    const GifImageDesc& area = frame.ImageDesc;
    for (int k = 0; k < area.Width * area.Height; ++k)
    {
        const int index = frame.RasterBits[k];
        if (index != transparent)
        {
            const GifColorType color = colors.Colors[index];
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
    gfx::Image canvas(static_cast<unsigned int>(gif->SWidth),
                      static_cast<unsigned int>(gif->SHeight));
    for (int i = 0; i < gif->ImageCount; ++i)
    {
        const SavedImage& frame = gif->SavedImages[i];
        GraphicsControlBlock control;
        DGifSavedExtensionToGCB(gif, i, &control);
        EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT) << path << " frame " << i;
        const GifImageDesc& area = frame.ImageDesc;
        const ColorMapObject& colors = area.ColorMap ? *area.ColorMap : *gif->SColorMap;
        animation.Drawn.push_back(DrawFrame(frame, colors, control.TransparentColor, canvas));
        animation.Frames.push_back(Copy(canvas));
        animation.Stored.push_back({area.Left, area.Top, area.Width, area.Height});
        animation.Hundredths += control.DelayTime;
    }
    animation.LoopsForever = LoopsForever(gif->SavedImages[0]);
    DGifCloseFile(gif, &error);
    return animation;
}
} // namespace testing_support
