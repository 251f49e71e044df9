#pragma once

#include "gfx/Color.hpp"
#include "gfx/View.hpp"

#include <SFML/Graphics/PrimitiveType.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <cstddef>

namespace sf
{
class Drawable;
class RenderTarget;
class Vertex;
} // namespace sf

namespace gfx
{
class Drawable;

// Something to draw into: the window or an off-screen image.
//
// Draw keeps a stack of transforms, as SFML 1.x kept OpenGL's matrix stack: while a drawable's
// Render runs, everything it draws is placed in that drawable's frame.
class RenderTarget
{
public:
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    void Clear(const Color& color = Color(0, 0, 0, 255));
    void Draw(const Drawable& drawable);
    // The view stays in force until the next SetView.
    void SetView(const View& view);
    const View& GetView() const { return myView; }
    unsigned int GetWidth() const;
    unsigned int GetHeight() const;
    // How many times the target has handed geometry to SFML since it was made: each is a draw
    // call to the driver, whose fixed cost a frame pays as often.
    unsigned long GetDrawCalls() const { return myDrawCalls; }

    // For the layer's own drawables: draw SFML geometry, or triangles given as a list, a fan or
    // a strip, in the frame of the drawable being rendered, with that drawable's blend mode.
    void DrawNative(const sf::Drawable& native);
    void DrawVertices(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type);
    // Whether the convex polygon with these corners, in the frame of the drawable being
    // rendered, covers every pixel of the target.
    bool Covers(const sf::Vertex* corners, std::size_t count) const;

protected:
    RenderTarget() = default;
    ~RenderTarget() = default;

    virtual sf::RenderTarget& GetNative() = 0;
    virtual const sf::RenderTarget& GetNative() const = 0;

private:
    View myView;
    sf::RenderStates myStates;
    unsigned long myDrawCalls = 0;
};
} // namespace gfx
