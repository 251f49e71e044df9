#pragma once

#include "gfx/Drawable.hpp"

namespace gfx
{
class Image;

// An image drawn with its top left corner at the local origin, covering (0, 0) to its size;
// the drawable colour multiplies its pixels. The image is not owned and must outlive the sprite.
class Sprite : public Drawable
{
public:
    Sprite() = default;
    explicit Sprite(const Image& image, const Vector2f& position = Vector2f(0.f, 0.f),
                    const Vector2f& scale = Vector2f(1.f, 1.f), float rotation = 0.f,
                    const Color& color = Color(255, 255, 255, 255));

    void SetImage(const Image& image) { myImage = &image; }
    const Image* GetImage() const { return myImage; }
    // The image's size times the scale.
    Vector2f GetSize() const;

protected:
    void Render(RenderTarget& target) const override;

private:
    const Image* myImage = nullptr;
};
} // namespace gfx
