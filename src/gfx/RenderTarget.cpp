#include "gfx/RenderTarget.hpp"

#include "gfx/Drawable.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>
#include <utility>

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

std::size_t CountTriangles(sf::PrimitiveType type, std::size_t count)
{
    return type == sf::PrimitiveType::Triangles ? count / 3 : count - 2;
}

// The vertex at a corner of a triangle of a list, a fan or a strip, in the order OpenGL takes
// them, so that the batch rasterises and shades exactly as the fan or strip would: every other
// triangle of a strip swaps its first two corners to keep the strip's winding.
std::size_t Corner(sf::PrimitiveType type, std::size_t triangle, std::size_t corner)
{
    if (type == sf::PrimitiveType::Triangles)
    {
        return triangle * 3 + corner;
    }
    if (type == sf::PrimitiveType::TriangleFan)
    {
        return corner == 0 ? 0 : triangle + corner;
    }
    if (triangle % 2 == 1 && corner < 2)
    {
        return triangle + 1 - corner;
    }
    return triangle + corner;
}
} // namespace

void RenderTarget::Clear(const Color& color)
{
    Flush();
    GetNative().clear(color);
}

void RenderTarget::Draw(const Drawable& drawable)
{
    const sf::RenderStates parent = myStates;
    myStates.transform *= drawable.GetTransform();
    myStates.blendMode = ToNative(drawable.GetBlendMode());
    drawable.Render(*this);
    myStates = parent;
}

void RenderTarget::SetView(const View& view)
{
    myView = view;
    myViewTransform = view.ToNative().getTransform();
}

void RenderTarget::DrawWithOpenGL(const std::function<void()>& draw)
{
    Flush();
    sf::RenderTarget& native = GetNative();
    static_cast<void>(native.setActive(true));
    native.pushGLStates();
    draw();
    native.popGLStates();
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
    Flush();
    GetNative().setView(myView.ToNative());
    GetNative().draw(native, myStates);
    ++myDrawCalls;
}

void RenderTarget::DrawVertices(const sf::Vertex* vertices, std::size_t count,
                                sf::PrimitiveType type, std::shared_ptr<const sf::Texture> texture)
{
    if (count < 3)
    {
        return;
    }
    if (!myBatch.empty() && (myStates.blendMode != myBatchBlendMode || texture != myBatchTexture))
    {
        Flush();
    }
    myBatchBlendMode = myStates.blendMode;
    myBatchTexture = std::move(texture);

    // Into the view's square by the arithmetic that placed them when each was drawn alone, so
    // that the pixels stay the same to the bit: the driver took the vertices of a shape through
    // the view's and the drawable's matrices combined, while SFML itself moved the four of a
    // sprite by the drawable's matrix and left the view's to the driver.
    myPlaced.assign(vertices, vertices + count);
    if (myBatchTexture)
    {
        for (sf::Vertex& vertex : myPlaced)
        {
            vertex.position =
                myViewTransform.transformPoint(myStates.transform.transformPoint(vertex.position));
        }
    }
    else
    {
        const sf::Transform toSquare = myViewTransform * myStates.transform;
        for (sf::Vertex& vertex : myPlaced)
        {
            vertex.position = toSquare.transformPoint(vertex.position);
        }
    }
    const std::size_t triangles = CountTriangles(type, count);
    for (std::size_t triangle = 0; triangle < triangles; ++triangle)
    {
        for (std::size_t corner = 0; corner < 3; ++corner)
        {
            myBatch.push_back(myPlaced[Corner(type, triangle, corner)]);
        }
    }
}

void RenderTarget::Flush()
{
    if (myBatch.empty())
    {
        return;
    }
    // A view whose matrix is the identity: the batch is in the view's square already.
    GetNative().setView(sf::View(sf::Vector2f(0.f, 0.f), sf::Vector2f(2.f, -2.f)));
    sf::RenderStates states;
    states.blendMode = myBatchBlendMode;
    states.texture = myBatchTexture.get();
    GetNative().draw(myBatch.data(), myBatch.size(), sf::PrimitiveType::Triangles, states);
    ++myDrawCalls;
    myBatch.clear();
    myBatchTexture.reset();
}

bool RenderTarget::Covers(const sf::Vertex* corners, std::size_t count) const
{
    // Through the view, the target spans the square from (-1, -1) to (1, 1). The polygon covers
    // it when every corner of the square lies on the same side of every edge, whichever way the
    // polygon turns; a polygon without area has them all on its edges.
    const sf::Transform toTarget = myViewTransform * myStates.transform;
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
        // Most shapes lie well inside the target: corners on both sides of their first edges.
        if (left && right)
        {
            return false;
        }
        from = to;
    }
    return left != right;
}
} // namespace gfx
