#include "gameobjects/Container.hpp"

#include "gfx/RenderTarget.hpp"

Container::Container(const gfx::Vector2f& Position, const gfx::Vector2f& Scale, float Rotation,
                     const gfx::Color& Col)
    : gfx::Drawable(Position, Scale, Rotation, Col)
{
}

void Container::Render(gfx::RenderTarget& Target) const
{
    for (const gfx::Drawable* member : *this)
    {
        Target.Draw(*member);
    }
}
