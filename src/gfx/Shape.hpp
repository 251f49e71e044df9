#pragma once

#include "gfx/Drawable.hpp"

#include <SFML/Graphics/Vertex.hpp>
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

    void DrawFill(RenderTarget& target) const;
    void Rebuild() const;
    void Recolor() const;
    // Where the fill's corners start among its vertices, and how many vertices it has.
    std::size_t RimStart() const { return myFillHasCentre ? 1 : 0; }
    std::size_t FillCount() const { return myPoints.size() + (myFillHasCentre ? 2 : 0); }
    Vector2f Centroid() const;
    Color CentreColor() const;
    Vector2f OutlineDirection(std::size_t index, const Vector2f& centroid) const;

    std::vector<Point> myPoints;
    float myOutlineWidth = 0.f;

    // What is drawn, kept between drawings: the fill as a fan, then the outline, if it has a
    // width, as a strip. The positions change only with the points or the outline width; a change
    // of the drawable colour, which scenes make every frame, only recolours the vertices.
    mutable std::vector<sf::Vertex> myVertices;
    mutable Color myTint;
    mutable bool myGeometryStale = true;
    // A fill whose points differ in colour fans out from the centroid, in their mean colour, and
    // closes at the first point again; one of a single colour is the fan of its points alone,
    // the same pixels from half the triangles of a rectangle.
    mutable bool myFillHasCentre = false;
    mutable bool myFillTransparent = false;
    // All of one opaque colour.
    mutable bool myFillSolid = false;
    mutable bool myOutlineTransparent = false;
};
} // namespace gfx
