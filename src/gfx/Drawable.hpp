#pragma once

#include "gfx/Blend.hpp"
#include "gfx/Color.hpp"
#include "gfx/Vector2.hpp"

#include <SFML/Graphics/Transform.hpp>

namespace gfx
{
class RenderTarget;

// Something that can be drawn, with a position, a scale, a rotation about its centre, a colour
// and a blend mode.
//
// The transform follows SFML 1.x: the centre is the point of the drawable's own frame that
// lands on its position, and positive angles turn counter-clockwise on screen (y grows
// downwards), the opposite of SFML 2. Whatever Render draws through the target lands in this
// drawable's frame, so drawables nest: a parent's transform applies first, then the child's.
// Colour and blend mode belong to each drawable alone and are not inherited by children.
class Drawable
{
public:
    explicit Drawable(const Vector2f& position = Vector2f(0.f, 0.f),
                      const Vector2f& scale = Vector2f(1.f, 1.f), float rotation = 0.f,
                      const Color& color = Color(255, 255, 255, 255));
    virtual ~Drawable() = default;

    Drawable(const Drawable&) = default;
    Drawable& operator=(const Drawable&) = default;

    void SetPosition(float x, float y);
    void SetPosition(const Vector2f& position);
    void SetX(float x);
    void SetY(float y);
    void Move(float dx, float dy);
    void Move(const Vector2f& offset);
    void SetScale(float x, float y);
    void SetScale(const Vector2f& scale);
    void SetCenter(float x, float y);
    void SetCenter(const Vector2f& center);
    // Angle in degrees, counter-clockwise on screen; stored reduced to [0, 360).
    void SetRotation(float angle);
    void SetColor(const Color& color);
    void SetBlendMode(Blend::Mode mode);

    Vector2f GetPosition() const;
    Vector2f GetScale() const;
    Vector2f GetCenter() const;
    float GetRotation() const;
    const Color& GetColor() const;
    Blend::Mode GetBlendMode() const;

    // Maps a point of the parent's frame into this drawable's own frame, and back.
    Vector2f TransformToLocal(const Vector2f& point) const;
    Vector2f TransformToGlobal(const Vector2f& point) const;

protected:
    friend class RenderTarget;

    // Draws the drawable's content in its own frame; called by RenderTarget::Draw.
    virtual void Render(RenderTarget& target) const = 0;

private:
    // The matrix from this drawable's frame to its parent's, rebuilt only after a change.
    const sf::Transform& GetTransform() const;

    Vector2f myPosition;
    Vector2f myScale;
    Vector2f myCenter;
    float myRotation = 0.f;
    mutable sf::Transform myTransform;
    mutable bool myTransformStale = true;
    Color myColor;
    Blend::Mode myBlendMode = Blend::Alpha;
};
} // namespace gfx
