#pragma once

#include "gfx/Drawable.hpp"

#include <list>

// Groups drawables under one transform: drawing the container draws every listed drawable, first
// to last, inside the container's frame, so moving, scaling or turning it carries them along.
// It lists drawables it does not own; one drawable may be listed many times, in many containers.
class Container : public gfx::Drawable, public std::list<gfx::Drawable*>
{
public:
    Container(const gfx::Vector2f& Position, const gfx::Vector2f& Scale, float Rotation,
              const gfx::Color& Col);

    void Render(gfx::RenderTarget& Target) const override;
};
