#include "gfx/RenderTarget.hpp"

#include "gfx/Drawable.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Vertex.hpp>

namespace gfx
{
namespace
{
sf::BlendMode ToNative(Blend::Mode mode)
{
    switch (mode)
    {
    case Blend::Add:
        return sf::BlendAdd;
    case Blend::Multiply:
        return sf::BlendMultiply;
    case Blend::None:
        return sf::BlendNone;
    case Blend::Alpha:
        break;
    }
    return sf::BlendAlpha;
}
} // namespace

void RenderTarget::Clear(const Color& color)
{
    GetNative().clear(color);
}

void RenderTarget::Draw(const Drawable& drawable)
{
    const sf::RenderStates parent = myStates;
    myStates.transform *= drawable.myTransform.getTransform();
    myStates.blendMode = ToNative(drawable.GetBlendMode());
    drawable.Render(*this);
    myStates = parent;
}

void RenderTarget::SetView(const View& view)
{
    myView = view;
    GetNative().setView(view.ToNative());
}

unsigned int RenderTarget::GetWidth() const
{
    return GetNative().getSize().x;
}

unsigned int RenderTarget::GetHeight() const
{
    return GetNative().getSize().y;
}

void RenderTarget::DrawNative(const sf::Drawable& native)
{
    GetNative().draw(native, myStates);
    ++myDrawCalls;
}

void RenderTarget::DrawVertices(const sf::Vertex* vertices, std::size_t count,
                                sf::PrimitiveType type)
{
    GetNative().draw(vertices, count, type, myStates);
    ++myDrawCalls;
}

bool RenderTarget::Covers(const sf::Vertex* corners, std::size_t count) const
{
    // Through the view, the target spans the square from (-1, -1) to (1, 1). The polygon covers
    // it when every corner of the square lies on the same side of every edge, whichever way the
    // polygon turns; a polygon without area has them all on its edges.
    const sf::Transform toTarget = GetNative().getView().getTransform() * myStates.transform;
    const Vector2f square[] = {{-1.f, -1.f}, {1.f, -1.f}, {1.f, 1.f}, {-1.f, 1.f}};
    bool left = false;
    bool right = false;
    Vector2f from = toTarget.transformPoint(corners[count - 1].position);
    for (std::size_t i = 0; i < count; ++i)
    {
        const Vector2f to = toTarget.transformPoint(corners[i].position);
        for (const Vector2f& corner : square)
        {
            const float side =
                (to.x - from.x) * (corner.y - from.y) - (to.y - from.y) * (corner.x - from.x);
            left = left || side > 0.f;
            right = right || side < 0.f;
        }
        from = to;
    }
    return left != right;
}
} // namespace gfx
