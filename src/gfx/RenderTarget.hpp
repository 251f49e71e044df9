#pragma once

#include "gfx/Color.hpp"
#include "gfx/View.hpp"

#include <SFML/Graphics/PrimitiveType.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace sf
{
class Drawable;
class RenderTarget;
class Texture;
} // namespace sf

namespace gfx
{
class Drawable;

// Something to draw into: the window or an off-screen image.
//
// Draw keeps a stack of transforms, as SFML 1.x kept OpenGL's matrix stack: while a drawable's
// Render runs, everything it draws is placed in that drawable's frame.
//
// Every draw call costs the driver much the same whatever it draws, so shapes, sprites and text
// are not handed to SFML one by one: their triangles, placed through the transform and the view on
// the CPU, wait in one batch while the blend mode and the texture stay the same, and go to SFML as
// one vertex array when either changes, before a clear or SFML's own geometry, and when the frame
// is shown.
// What is drawn, and in which order, stays exactly as if each had been drawn at once.
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
    // Runs draw over what the target shows so far, with the target's OpenGL context current and
    // its OpenGL state saved before and given back after: for drawing that speaks OpenGL itself,
    // such as the tools' inspector.
    void DrawWithOpenGL(const std::function<void()>& draw);

    // For the layer's own drawables, in the frame of the drawable being rendered and with its
    // blend mode: SFML geometry, drawn at once, and triangles as a list, a fan around the first
    // vertex or a strip (sf::PrimitiveType::Triangles, TriangleFan, TriangleStrip), batched.
    // Textured triangles are placed as SFML placed a sprite's, untextured ones as the driver
    // placed a shape's. The batch keeps the texture alive until it is drawn.
    void DrawNative(const sf::Drawable& native);
    void DrawVertices(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type,
                      std::shared_ptr<const sf::Texture> texture = nullptr);
    // Whether the convex polygon with these corners (at least one), in the frame of the drawable
    // being rendered, covers every pixel of the target.
    bool Covers(const sf::Vertex* corners, std::size_t count) const;

protected:
    RenderTarget() { SetView(myView); }
    ~RenderTarget() = default;

    virtual sf::RenderTarget& GetNative() = 0;
    virtual const sf::RenderTarget& GetNative() const = 0;
    // Draws what waits in the batch; the targets call it before they show the frame.
    void Flush();

private:
    View myView;
    // From the scene to the square from (-1, -1) to (1, 1) that the target spans.
    sf::Transform myViewTransform;
    sf::RenderStates myStates;
    unsigned long myDrawCalls = 0;

    // Triangles in the view's square, with the blend mode and texture they share. Both vectors
    // keep their storage from frame to frame.
    std::vector<sf::Vertex> myBatch;
    sf::BlendMode myBatchBlendMode;
    std::shared_ptr<const sf::Texture> myBatchTexture;
    std::vector<sf::Vertex> myPlaced;
};
} // namespace gfx
