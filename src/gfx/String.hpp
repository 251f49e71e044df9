#pragma once

#include "gfx/Drawable.hpp"
#include "gfx/FloatRect.hpp"
#include "gfx/Font.hpp"

#include <SFML/Graphics/Text.hpp>
#include <string>

namespace gfx
{
// A line of text drawn in the drawable colour. Laying text out needs a display.
class String : public Drawable
{
public:
    // Text in UTF-8; the size is the character height in units.
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
    void AlignLetters();

    std::string myText;
    float mySize;
    mutable sf::Text myNative;
};
} // namespace gfx
