#pragma once

#include "gfx/Drawable.hpp"

#include <SFML/Graphics/VertexArray.hpp>
#include <vector>

namespace gfx
{
// A convex polygon whose points each carry a fill and an outline colour; the drawable colour
// multiplies both. The inside is filled from the centroid, whose colour is the mean of the
// points' fill colours; the outline of the given width lies outside the points.
class Shape : public Drawable
{
public:
    Shape() = default;

    // Rectangle with the corners p1 and p2.
    static Shape Rectangle(const Vector2f& p1, const Vector2f& p2, const Color& color,
                           float outline = 0.f, const Color& outlineColor = Color(0, 0, 0, 255));
    // Circle approximated by a polygon of 40 points.
    static Shape Circle(const Vector2f& center, float radius, const Color& color,
                        float outline = 0.f, const Color& outlineColor = Color(0, 0, 0, 255));

    void AddPoint(const Vector2f& position, const Color& color = Color(255, 255, 255, 255),
                  const Color& outlineColor = Color(0, 0, 0, 255));
    unsigned int GetNbPoints() const;
    // The point accessors expect an index below GetNbPoints.
    void SetPointPosition(unsigned int index, const Vector2f& position);
    const Vector2f& GetPointPosition(unsigned int index) const;
    const Color& GetPointColor(unsigned int index) const;

    void SetOutlineWidth(float width);
    float GetOutlineWidth() const { return myOutlineWidth; }

protected:
    void Render(RenderTarget& target) const override;

private:
    struct Point
    {
        Vector2f Position;
        Color FillColor;
        Color OutlineColor;
    };

    void Rebuild() const;
    Vector2f Centroid() const;
    Vector2f OutlineDirection(std::size_t index, const Vector2f& centroid) const;

    std::vector<Point> myPoints;
    float myOutlineWidth = 0.f;

    // The geometry is rebuilt only after a change of the points, the outline or the colour.
    mutable sf::VertexArray myFill{sf::TriangleFan};
    mutable sf::VertexArray myOutline{sf::TriangleStrip};
    mutable Color myBuiltColor;
    mutable bool myNeedsRebuild = true;
};
} // namespace gfx
