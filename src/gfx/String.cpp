#include "gfx/String.hpp"

#include "gfx/RenderTarget.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace gfx
{
namespace
{
// The length of the UTF-8 sequence that a byte begins; 0 for a byte that begins none.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
    {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF)
    {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF)
    {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// Decoded here rather than by SFML, whose versions read broken UTF-8 differently. A sequence cut
// short, too long for its code point or naming none becomes one U+FFFD.
std::u32string DecodeUtf8(const std::string& text)
{
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    std::u32string codePoints;
    for (std::size_t i = 0; i < text.size();)
    {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const std::size_t length = SequenceLength(byte(i));
        char32_t codePoint = byte(i) & (length == 1 ? 0x7F : 0xFF >> (length + 1));
        std::size_t taken = 1;
        for (; taken < length && i + taken < text.size() && (byte(i + taken) & 0xC0) == 0x80;
             ++taken)
        {
            codePoint = codePoint << 6 | (byte(i + taken) & 0x3F);
        }
        const bool valid = length != 0 && taken == length && codePoint >= Smallest[length] &&
                           codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
        codePoints.push_back(valid ? codePoint : U'\uFFFD');
        i += taken;
    }
    return codePoints;
}
} // namespace

String::String(const std::string& text, const Font& font, float size)
    : myText(text), myFont(&font), mySize(size)
{
    Layout();
}

void String::SetText(const std::string& text)
{
    myText = text;
    Layout();
}

void String::SetSize(float size)
{
    mySize = size;
    Layout();
}

FloatRect String::GetLocalBounds() const
{
    return myBounds;
}

FloatRect String::GetRect() const
{
    const FloatRect local = GetLocalBounds();
    const Vector2f corners[] = {TransformToGlobal(Vector2f(local.Left, local.Top)),
                                TransformToGlobal(Vector2f(local.Right, local.Top)),
                                TransformToGlobal(Vector2f(local.Right, local.Bottom)),
                                TransformToGlobal(Vector2f(local.Left, local.Bottom))};
    FloatRect rect(corners[0].x, corners[0].y, corners[0].x, corners[0].y);
    for (const Vector2f& corner : corners)
    {
        rect.Left = std::min(rect.Left, corner.x);
        rect.Top = std::min(rect.Top, corner.y);
        rect.Right = std::max(rect.Right, corner.x);
        rect.Bottom = std::max(rect.Bottom, corner.y);
    }
    return rect;
}

// At the load size, with the first baseline one load size below the top, then moved so that the
// letters' top-left lies on the origin, and scaled. The bounds cover the glyphs' pictures and,
// for a space, a tab or a line break, the pen's way along the baseline.
void String::Layout()
{
    myVertices.clear();
    myBounds = FloatRect();
    const float scale =
        std::isfinite(mySize) && mySize > 0.f ? mySize / myFont->GetCharacterSize() : 0.f;
    if (scale == 0.f)
    {
        return;
    }

    const float space = myFont->GetGlyph(U' ').Advance;
    Vector2f pen(0.f, static_cast<float>(myFont->GetCharacterSize()));
    FloatRect covered(std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                      std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest());
    const auto cover = [&](const Vector2f& from, const Vector2f& to)
    {
        covered.Left = std::min(covered.Left, from.x);
        covered.Top = std::min(covered.Top, from.y);
        covered.Right = std::max(covered.Right, to.x);
        covered.Bottom = std::max(covered.Bottom, to.y);
    };
    char32_t previous = 0;
    for (const char32_t letter : DecodeUtf8(myText))
    {
        if (letter == U'\r')
        {
            continue;
        }
        if (previous != 0)
        {
            pen.x += myFont->GetKerning(previous, letter);
        }
        previous = letter;
        if (letter == U' ' || letter == U'\t' || letter == U'\n')
        {
            const Vector2f from = pen;
            if (letter == U'\n')
            {
                pen = Vector2f(0.f, pen.y + myFont->GetLineSpacing());
            }
            else
            {
                pen.x += letter == U' ' ? space : 4.f * space;
            }
            cover(from, pen);
            continue;
        }
        const Font::Glyph& glyph = myFont->GetGlyph(letter);
        if (glyph.Width > 0 && glyph.Height > 0)
        {
            const Vector2f topLeft(pen.x + glyph.Left, pen.y + glyph.Top);
            const Vector2f size(static_cast<float>(glyph.Width), static_cast<float>(glyph.Height));
            const Vector2f image(static_cast<float>(glyph.ImageX),
                                 static_cast<float>(glyph.ImageY));
            // A pixel wider on every side, into the picture's transparent margin, so that the
            // glyph's edge pixels fade out when it is scaled or turned. Corners in the order
            // SFML 2 lists them: top-left, top-right, bottom-left, then bottom-left, top-right,
            // bottom-right.
            for (const auto& [x, y] :
                 {std::pair(0.f, 0.f), {1.f, 0.f}, {0.f, 1.f}, {0.f, 1.f}, {1.f, 0.f}, {1.f, 1.f}})
            {
                const Vector2f corner((size.x + 2.f) * x - 1.f, (size.y + 2.f) * y - 1.f);
                myVertices.push_back(sf::Vertex{topLeft + corner, myTint, image + corner});
            }
            cover(topLeft, topLeft + size);
        }
        pen.x += glyph.Advance;
    }
    if (covered.Left > covered.Right)
    {
        return;
    }
    for (sf::Vertex& vertex : myVertices)
    {
        vertex.position = (vertex.position - Vector2f(covered.Left, covered.Top)) * scale;
    }
    myBounds = FloatRect(0.f, 0.f, covered.GetWidth() * scale, covered.GetHeight() * scale);
}

void String::Render(RenderTarget& target) const
{
    if (myVertices.empty())
    {
        return;
    }
    std::shared_ptr<const sf::Texture> texture = myFont->GetImage().GetTexture();
    if (!texture)
    {
        return;
    }
    if (myTint != GetColor())
    {
        myTint = GetColor();
        for (sf::Vertex& vertex : myVertices)
        {
            vertex.color = myTint;
        }
    }
    target.DrawVertices(myVertices.data(), myVertices.size(), sf::PrimitiveType::Triangles,
                        std::move(texture));
}
} // namespace gfx
