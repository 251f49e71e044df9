#include "gfx/Drawable.hpp"

#include <cmath>

namespace gfx
{
Drawable::Drawable(const Vector2f& position, const Vector2f& scale, float rotation,
                   const Color& color)
    : myPosition(position), myScale(scale), myColor(color)
{
    SetRotation(rotation);
}

void Drawable::SetPosition(float x, float y)
{
    SetPosition(Vector2f(x, y));
}

void Drawable::SetPosition(const Vector2f& position)
{
    myPosition = position;
    myTransformStale = true;
}

void Drawable::SetX(float x)
{
    SetPosition(x, myPosition.y);
}

void Drawable::SetY(float y)
{
    SetPosition(myPosition.x, y);
}

void Drawable::Move(float dx, float dy)
{
    SetPosition(myPosition.x + dx, myPosition.y + dy);
}

void Drawable::Move(const Vector2f& offset)
{
    SetPosition(myPosition + offset);
}

void Drawable::SetScale(float x, float y)
{
    SetScale(Vector2f(x, y));
}

void Drawable::SetScale(const Vector2f& scale)
{
    myScale = scale;
    myTransformStale = true;
}

void Drawable::SetCenter(float x, float y)
{
    SetCenter(Vector2f(x, y));
}

void Drawable::SetCenter(const Vector2f& center)
{
    myCenter = center;
    myTransformStale = true;
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
    myTransformStale = true;
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
    return myPosition;
}

Vector2f Drawable::GetScale() const
{
    return myScale;
}

Vector2f Drawable::GetCenter() const
{
    return myCenter;
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
    return GetTransform().getInverse().transformPoint(point);
}

Vector2f Drawable::TransformToGlobal(const Vector2f& point) const
{
    return GetTransform().transformPoint(point);
}

// The matrix of SFML 2.5's sf::Transformable to the last bit, on every SFML: scale, turn about
// the centre, move the centre to the position. SFML 2 turns positive angles clockwise and holds
// the negated angle reduced to [0, 360); SFML 3 keeps its angles in radians, rounded otherwise.
const sf::Transform& Drawable::GetTransform() const
{
    if (myTransformStale)
    {
        float clockwise = std::fmod(-myRotation, 360.f);
        if (clockwise < 0.f)
        {
            clockwise += 360.f;
        }
        const float angle = -clockwise * 3.141592654f / 180.f;
        const float cosine = std::cos(angle);
        const float sine = std::sin(angle);
        const float sxc = myScale.x * cosine;
        const float syc = myScale.y * cosine;
        const float sxs = myScale.x * sine;
        const float sys = myScale.y * sine;
        const float tx = -myCenter.x * sxc - myCenter.y * sys + myPosition.x;
        const float ty = myCenter.x * sxs - myCenter.y * syc + myPosition.y;
        myTransform = sf::Transform(sxc, sys, tx, -sxs, syc, ty, 0.f, 0.f, 1.f);
        myTransformStale = false;
    }
    return myTransform;
}
} // namespace gfx
