#include "gfx/Sprite.hpp"

#include "gfx/Image.hpp"
#include "gfx/RenderTarget.hpp"

#include <SFML/Graphics/Sprite.hpp>

namespace gfx
{
Sprite::Sprite(const Image& image, const Vector2f& position, const Vector2f& scale, float rotation,
               const Color& color)
    : Drawable(position, scale, rotation, color), myImage(&image)
{
}

Vector2f Sprite::GetSize() const
{
    if (!myImage)
    {
        return Vector2f(0.f, 0.f);
    }
    return Vector2f(static_cast<float>(myImage->GetWidth()) * GetScale().x,
                    static_cast<float>(myImage->GetHeight()) * GetScale().y);
}

void Sprite::Render(RenderTarget& target) const
{
    const sf::Texture* texture = myImage ? myImage->GetTexture() : nullptr;
    if (!texture)
    {
        return;
    }
    sf::Sprite native(*texture);
    native.setColor(GetColor());
    target.DrawNative(native);
}
} // namespace gfx
