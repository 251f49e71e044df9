#pragma once

#include "gfx/Image.hpp"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

// FreeType's handles, whose header stays in the source file.
struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace gfx
{
// A typeface for text, drawn as SFML 1.x drew it: FreeType renders each glyph once, at the size
// the font was loaded at and with fixed load flags, into one image from which text draws it
// scaled, placed by the font's own metrics. What a letter looks like thus depends on the font
// file and FreeType alone, never on the SFML version. The default font, DejaVu Sans, is compiled
// into the program and loaded at size 30.
class Font
{
public:
    // Where a glyph's picture lies, in pixels at the load size: its box relative to the pen on the
    // baseline (y grows downwards), its top-left corner in the image, and how far it moves the pen.
    struct Glyph
    {
        int Left = 0;
        int Top = 0;
        unsigned int Width = 0;
        unsigned int Height = 0;
        unsigned int ImageX = 0;
        unsigned int ImageY = 0;
        float Advance = 0.f;
    };

    // Throws std::runtime_error when the compiled-in font cannot be read.
    static const Font& GetDefaultFont();

    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    unsigned int GetCharacterSize() const { return myCharacterSize; }
    // Rendered into the image on first use. A code point the font lacks gets the font's glyph for
    // a missing letter; a glyph that does not fit into the image any more is drawn as nothing.
    const Glyph& GetGlyph(std::uint32_t codePoint) const;
    // The pen's extra move between two letters, in whole pixels at the load size.
    float GetKerning(std::uint32_t first, std::uint32_t second) const;
    float GetLineSpacing() const;
    // White, each glyph's coverage in the alpha; it grows as text asks for new glyphs, which
    // keep their places.
    const Image& GetImage() const { return myImage; }

private:
    struct LibraryCloser
    {
        void operator()(FT_LibraryRec_* library) const;
    };
    struct FaceCloser
    {
        void operator()(FT_FaceRec_* face) const;
    };

    Font(const unsigned char* data, std::size_t size, unsigned int characterSize);
    Glyph Render(unsigned int index) const;
    // Finds room for a picture of this size, growing the image when needed; false when the image
    // is as large as it may grow.
    bool Place(Glyph& glyph) const;

    std::unique_ptr<FT_LibraryRec_, LibraryCloser> myLibrary;
    std::unique_ptr<FT_FaceRec_, FaceCloser> myFace;
    unsigned int myCharacterSize;

    // By glyph index, of which a font has a fixed number: the cache is bounded.
    mutable std::map<unsigned int, Glyph> myGlyphs;
    // Glyphs are placed left to right in rows, each row as high as its highest glyph.
    mutable Image myImage;
    mutable unsigned int myRowX = 0;
    mutable unsigned int myRowY = 0;
    mutable unsigned int myRowHeight = 0;
};
} // namespace gfx
