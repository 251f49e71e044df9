#pragma once

#include "gfx/Drawable.hpp"
#include "gfx/FloatRect.hpp"
#include "gfx/Font.hpp"

#include <SFML/Graphics/Vertex.hpp>
#include <string>
#include <vector>

namespace gfx
{
// Text drawn in the drawable colour, laid out by the layer: each letter is its font's glyph,
// placed on the baseline by the glyph's metrics, the pen moved by its advance and the kerning
// between it and the letter before; a tab moves the pen by four spaces, a line break to the start
// of the next line. The glyphs are drawn at the font's load size times size / load size.
class String : public Drawable
{
public:
    // Text in UTF-8, where a byte that begins no valid sequence stands for U+FFFD; the size is the
    // character height in units, none when it is not a positive finite number.
    explicit String(const std::string& text = std::string(),
                    const Font& font = Font::GetDefaultFont(), float size = 30.f);

    void SetText(const std::string& text);
    const std::string& GetText() const { return myText; }
    void SetSize(float size);
    float GetSize() const { return mySize; }

    // The area the glyphs cover in the text's own frame. It starts at (0, 0), the letters'
    // top-left, so half its size is the middle of the letters.
    FloatRect GetLocalBounds() const;
    // The smallest axis-aligned rectangle around those glyphs in the parent's frame.
    FloatRect GetRect() const;

protected:
    void Render(RenderTarget& target) const override;

private:
    void Layout();

    std::string myText;
    const Font* myFont;
    float mySize;
    FloatRect myBounds;
    // Two triangles a glyph, textured from the font's image, in the text's own frame.
    mutable std::vector<sf::Vertex> myVertices;
    mutable Color myTint;
};
} // namespace gfx
