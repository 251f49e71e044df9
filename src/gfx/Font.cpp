#include "gfx/Font.hpp"

#include <cstddef>
#include <stdexcept>

namespace gfx
{
// Generated at build time from the font file (see cmake/EmbedFile.cmake).
extern const unsigned char DefaultFontData[];
extern const std::size_t DefaultFontDataSize;

const Font& Font::GetDefaultFont()
{
    static const Font font = []
    {
        Font loaded;
        if (!loaded.myFont.loadFromMemory(DefaultFontData, DefaultFontDataSize))
        {
            throw std::runtime_error("the built-in default font could not be read");
        }
        return loaded;
    }();
    return font;
}
} // namespace gfx
