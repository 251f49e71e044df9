#include "gfx/RenderTarget.hpp"

#include "gfx/Drawable.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

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
} // namespace gfx
