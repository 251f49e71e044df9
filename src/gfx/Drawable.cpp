#include "gfx/Drawable.hpp"

#include <cmath>

namespace gfx
{
Drawable::Drawable(const Vector2f& position, const Vector2f& scale, float rotation,
                   const Color& color)
    : myColor(color)
{
    SetPosition(position);
    SetScale(scale);
    SetRotation(rotation);
}

void Drawable::SetPosition(float x, float y)
{
    myTransform.setPosition(x, y);
}

void Drawable::SetPosition(const Vector2f& position)
{
    myTransform.setPosition(position);
}

void Drawable::SetX(float x)
{
    myTransform.setPosition(x, myTransform.getPosition().y);
}

void Drawable::SetY(float y)
{
    myTransform.setPosition(myTransform.getPosition().x, y);
}

void Drawable::Move(float dx, float dy)
{
    myTransform.move(dx, dy);
}

void Drawable::Move(const Vector2f& offset)
{
    myTransform.move(offset);
}

void Drawable::SetScale(float x, float y)
{
    myTransform.setScale(x, y);
}

void Drawable::SetScale(const Vector2f& scale)
{
    myTransform.setScale(scale);
}

void Drawable::SetCenter(float x, float y)
{
    myTransform.setOrigin(x, y);
}

void Drawable::SetCenter(const Vector2f& center)
{
    myTransform.setOrigin(center);
}

void Drawable::SetRotation(float angle)
{
    myRotation = std::fmod(angle, 360.f);
    if (myRotation < 0.f)
    {
        myRotation += 360.f;
    }
    // fmod of a tiny negative angle plus 360 rounds to 360 itself, which is outside the range.
    if (myRotation >= 360.f)
    {
        myRotation = 0.f;
    }
    myTransform.setRotation(-myRotation);
}

void Drawable::SetColor(const Color& color)
{
    myColor = color;
}

void Drawable::SetBlendMode(Blend::Mode mode)
{
    myBlendMode = mode;
}

Vector2f Drawable::GetPosition() const
{
    return myTransform.getPosition();
}

Vector2f Drawable::GetScale() const
{
    return myTransform.getScale();
}

Vector2f Drawable::GetCenter() const
{
    return myTransform.getOrigin();
}

float Drawable::GetRotation() const
{
    return myRotation;
}

const Color& Drawable::GetColor() const
{
    return myColor;
}

Blend::Mode Drawable::GetBlendMode() const
{
    return myBlendMode;
}

Vector2f Drawable::TransformToLocal(const Vector2f& point) const
{
    return myTransform.getInverseTransform().transformPoint(point);
}

Vector2f Drawable::TransformToGlobal(const Vector2f& point) const
{
    return myTransform.getTransform().transformPoint(point);
}
} // namespace gfx
