#include "gfx/Sprite.hpp"

#include "gfx/Image.hpp"
#include "gfx/RenderTarget.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <cstddef>
#include <utility>

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
    std::shared_ptr<const sf::Texture> texture = myImage ? myImage->GetTexture() : nullptr;
    if (!texture)
    {
        return;
    }
    // The corners in the order SFML's own sprite strips them; the texture coordinates, in pixels,
    // are the corners too.
    const Vector2f size(texture->getSize());
    const Vector2f corners[] = {{0.f, 0.f}, {0.f, size.y}, {size.x, 0.f}, size};
    sf::Vertex vertices[4];
    for (std::size_t i = 0; i < 4; ++i)
    {
        vertices[i] = sf::Vertex{corners[i], GetColor(), corners[i]};
    }
    target.DrawVertices(vertices, 4, sf::PrimitiveType::TriangleStrip, std::move(texture));
}
} // namespace gfx
