#include "stage/GifWriter.hpp"

#include <algorithm>
#include <cstdio>
#include <gif_lib.h>
#include <string_view>

namespace
{
// giflib hands the encoded bytes here; fewer bytes than given tell it that writing failed.
int WriteBytes(GifFileType* gif, const GifByteType* bytes, int length)
{
    return static_cast<int>(std::fwrite(bytes, 1, static_cast<std::size_t>(length),
                                        static_cast<std::FILE*>(gif->UserData)));
}

// GIF's colour tables hold a power of two entries, at least two.
int TableSize(std::size_t entries)
{
    int size = 2;
    while (static_cast<std::size_t>(size) < entries)
    {
        size *= 2;
    }
    return size;
}
} // namespace

GifWriter::GifWriter(const std::string& path) : myFile(path, "the GIF")
{
    int error = 0;
    myGif = EGifOpen(myFile.Get(), WriteBytes, &error);
    if (!myGif)
    {
        Fail(GifErrorString(error));
    }
}

// giflib closes the file it was given only when it opened it itself.
GifWriter::~GifWriter()
{
    if (myGif)
    {
        int error = 0;
        EGifCloseFile(myGif, &error);
    }
}

void GifWriter::AddFrame(const gfx::Image& picture, int delay)
{
    if (!myPalette)
    {
        Begin(picture);
    }
    else if (picture.GetWidth() != myWidth || picture.GetHeight() != myHeight)
    {
        Fail("a frame of " + std::to_string(picture.GetWidth()) + "x" +
             std::to_string(picture.GetHeight()) + " does not fit an animation of " +
             std::to_string(myWidth) + "x" + std::to_string(myHeight));
    }
    std::vector<std::uint8_t> indices = IndicesOf(picture);
    // A frame that changes nothing still takes its time: one transparent pixel.
    const Area area = myShown.empty() ? Area{0, 0, myWidth, myHeight}
                                      : ChangedArea(indices).value_or(Area{0, 0, 1, 1});
    PutFrame(indices, area, delay);
    myShown = std::move(indices);
}

void GifWriter::Commit()
{
    if (!myPalette)
    {
        Fail("no frame to write");
    }
    int error = 0;
    const bool ended = EGifCloseFile(myGif, &error) == GIF_OK;
    myGif = nullptr;
    if (!ended)
    {
        Fail(GifErrorString(error));
    }
    myFile.Commit();
}

void GifWriter::Begin(const gfx::Image& first)
{
    myWidth = first.GetWidth();
    myHeight = first.GetHeight();
    myPalette.emplace(first);
    const std::vector<gfx::Color>& colors = myPalette->GetColors();
    // The entry after the colours marks the pixels a frame leaves as they were.
    myTransparent = static_cast<std::uint8_t>(colors.size());
    std::vector<GifColorType> table(TableSize(colors.size() + 1), GifColorType{0, 0, 0});
    std::transform(colors.begin(), colors.end(), table.begin(),
                   [](const gfx::Color& c) {
                       return GifColorType{c.r, c.g, c.b};
                   });
    ColorMapObject* const map = GifMakeMapObject(static_cast<int>(table.size()), table.data());
    if (!map)
    {
        Fail(GifErrorString(E_GIF_ERR_NOT_ENOUGH_MEM));
    }
    // Frame delays, transparency and looping are GIF89 features.
    EGifSetGifVersion(myGif, true);
    const int described =
        EGifPutScreenDesc(myGif, static_cast<int>(myWidth), static_cast<int>(myHeight), 8, 0, map);
    GifFreeMapObject(map);
    Check(described);
    // The application extension that browsers read as "loop forever" (a count of 0).
    const std::string_view application = "NETSCAPE2.0";
    const GifByteType loopForever[] = {1, 0, 0};
    Check(EGifPutExtensionLeader(myGif, APPLICATION_EXT_FUNC_CODE));
    Check(EGifPutExtensionBlock(myGif, static_cast<int>(application.size()), application.data()));
    Check(EGifPutExtensionBlock(myGif, sizeof loopForever, loopForever));
    Check(EGifPutExtensionTrailer(myGif));
}

std::vector<std::uint8_t> GifWriter::IndicesOf(const gfx::Image& picture)
{
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(myWidth) * myHeight);
    for (unsigned int y = 0; y < myHeight; ++y)
    {
        for (unsigned int x = 0; x < myWidth; ++x)
        {
            indices[static_cast<std::size_t>(y) * myWidth + x] =
                myPalette->IndexOf(picture.GetPixel(x, y));
        }
    }
    return indices;
}

std::optional<GifWriter::Area>
GifWriter::ChangedArea(const std::vector<std::uint8_t>& indices) const
{
    unsigned int left = myWidth;
    unsigned int top = myHeight;
    unsigned int right = 0;
    unsigned int bottom = 0;
    for (unsigned int y = 0; y < myHeight; ++y)
    {
        for (unsigned int x = 0; x < myWidth; ++x)
        {
            const std::size_t i = static_cast<std::size_t>(y) * myWidth + x;
            if (indices[i] != myShown[i])
            {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    if (right == 0)
    {
        return std::nullopt;
    }
    return Area{left, top, right - left, bottom - top};
}

void GifWriter::PutFrame(const std::vector<std::uint8_t>& indices, const Area& area, int delay)
{
    // Each frame stays when the next one comes; the next draws only over what changed.
    const GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, myTransparent};
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    Check(EGifPutExtension(myGif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
    Check(EGifPutImageDesc(myGif, static_cast<int>(area.Left), static_cast<int>(area.Top),
                           static_cast<int>(area.Width), static_cast<int>(area.Height), false,
                           nullptr));
    std::vector<GifPixelType> row(area.Width);
    for (unsigned int y = area.Top; y < area.Top + area.Height; ++y)
    {
        for (unsigned int x = area.Left; x < area.Left + area.Width; ++x)
        {
            const std::size_t i = static_cast<std::size_t>(y) * myWidth + x;
            const bool unchanged = !myShown.empty() && indices[i] == myShown[i];
            row[x - area.Left] = unchanged ? myTransparent : indices[i];
        }
        Check(EGifPutLine(myGif, row.data(), static_cast<int>(area.Width)));
    }
}

void GifWriter::Check(int result) const
{
    if (result == GIF_ERROR)
    {
        Fail(GifErrorString(myGif->Error));
    }
}

void GifWriter::Fail(const std::string& reason) const
{
    myFile.Fail(reason);
}
