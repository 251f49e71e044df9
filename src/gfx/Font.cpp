#include "gfx/Font.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <algorithm>
#include <stdexcept>
#include <utility>

namespace gfx
{
// Generated at build time from the font file (see cmake/EmbedFile.cmake).
extern const unsigned char DefaultFontData[];
extern const std::size_t DefaultFontDataSize;

namespace
{
// The size SFML 1.x loaded its default font at.
constexpr unsigned int DefaultFontSize = 30;
// FreeType's autohinter with its normal hinting, as SFML renders glyphs: FreeType 2.12 to 2.14
// render DejaVu Sans's letters with it to the same bits. Always from the outlines, so that every
// glyph comes out in 256 shades.
constexpr FT_Int32 LoadFlags = FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT | FT_LOAD_NO_BITMAP;
// Transparent pixels around each glyph: text draws a glyph one pixel beyond its picture, and a
// smoothly scaled glyph samples half a pixel further.
constexpr unsigned int Padding = 2;
constexpr unsigned int ImageWidth = 512;
constexpr unsigned int FirstImageHeight = 64;
// Some 2,000 glyphs at size 30 in 8 MiB, within what every driver holds as one texture.
constexpr unsigned int LargestImageHeight = 4096;
const Color Blank(255, 255, 255, 0);

float FromSixtyFourths(FT_Pos value)
{
    return static_cast<float>(value) / 64.f;
}
} // namespace

void Font::LibraryCloser::operator()(FT_LibraryRec_* library) const
{
    FT_Done_FreeType(library);
}

void Font::FaceCloser::operator()(FT_FaceRec_* face) const
{
    FT_Done_Face(face);
}

const Font& Font::GetDefaultFont()
{
    static const Font font(DefaultFontData, DefaultFontDataSize, DefaultFontSize);
    return font;
}

Font::Font(const unsigned char* data, std::size_t size, unsigned int characterSize)
    : myCharacterSize(characterSize), myImage(ImageWidth, FirstImageHeight, Blank)
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) == 0)
    {
        myLibrary.reset(library);
        if (FT_New_Memory_Face(library, data, static_cast<FT_Long>(size), 0, &face) == 0)
        {
            myFace.reset(face);
        }
    }
    if (!myFace || FT_Set_Pixel_Sizes(face, 0, characterSize) != 0)
    {
        throw std::runtime_error("the built-in default font could not be read");
    }
}

Font::~Font() = default;

const Font::Glyph& Font::GetGlyph(std::uint32_t codePoint) const
{
    const unsigned int index = FT_Get_Char_Index(myFace.get(), codePoint);
    const auto found = myGlyphs.find(index);
    if (found != myGlyphs.end())
    {
        return found->second;
    }
    return myGlyphs.emplace(index, Render(index)).first->second;
}

float Font::GetKerning(std::uint32_t first, std::uint32_t second) const
{
    FT_Face face = myFace.get();
    FT_Vector kerning{};
    if (!FT_HAS_KERNING(face) ||
        FT_Get_Kerning(face, FT_Get_Char_Index(face, first), FT_Get_Char_Index(face, second),
                       FT_KERNING_DEFAULT, &kerning) != 0)
    {
        return 0.f;
    }
    return FromSixtyFourths(kerning.x);
}

float Font::GetLineSpacing() const
{
    return FromSixtyFourths(myFace->size->metrics.height);
}

Font::Glyph Font::Render(unsigned int index) const
{
    Glyph glyph;
    FT_Face face = myFace.get();
    if (FT_Load_Glyph(face, index, LoadFlags) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
    {
        return glyph;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.Advance = FromSixtyFourths(slot->metrics.horiAdvance);
    glyph.Left = slot->bitmap_left;
    glyph.Top = -slot->bitmap_top;
    glyph.Width = bitmap.width;
    glyph.Height = bitmap.rows;
    if (glyph.Width == 0 || glyph.Height == 0 || !Place(glyph))
    {
        glyph.Width = 0;
        glyph.Height = 0;
        return glyph;
    }
    for (unsigned int y = 0; y < glyph.Height; ++y)
    {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (unsigned int x = 0; x < glyph.Width; ++x)
        {
            myImage.SetPixel(glyph.ImageX + x, glyph.ImageY + y, Color(255, 255, 255, row[x]));
        }
    }
    return glyph;
}

bool Font::Place(Glyph& glyph) const
{
    const unsigned int width = glyph.Width + 2 * Padding;
    const unsigned int height = glyph.Height + 2 * Padding;
    if (width > ImageWidth)
    {
        return false;
    }
    if (myRowX + width > ImageWidth)
    {
        myRowY += myRowHeight;
        myRowX = 0;
        myRowHeight = 0;
    }
    const unsigned int bottom = myRowY + height;
    if (bottom > LargestImageHeight)
    {
        return false;
    }
    if (bottom > myImage.GetHeight())
    {
        Image larger(ImageWidth,
                     std::min(std::max(2 * myImage.GetHeight(), bottom), LargestImageHeight),
                     Blank);
        for (unsigned int y = 0; y < myRowY; ++y)
        {
            for (unsigned int x = 0; x < ImageWidth; ++x)
            {
                larger.SetPixel(x, y, myImage.GetPixel(x, y));
            }
        }
        myImage = std::move(larger);
    }
    glyph.ImageX = myRowX + Padding;
    glyph.ImageY = myRowY + Padding;
    myRowX += width;
    myRowHeight = std::max(myRowHeight, height);
    return true;
}
} // namespace gfx
