#include "gfx/Shape.hpp"

#include "gfx/RenderTarget.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace gfx
{
namespace
{
constexpr unsigned int CirclePoints = 40;
constexpr double Pi = 3.141592653589793;

// Unit normal (p1.y - p2.y, p2.x - p1.x) / |p2 - p1| of the edge from p1 to p2; false for a
// zero-length edge.
bool EdgeNormal(const Vector2f& p1, const Vector2f& p2, Vector2f& normal)
{
    normal = Vector2f(p1.y - p2.y, p2.x - p1.x);
    const float length = std::sqrt(normal.x * normal.x + normal.y * normal.y);
    if (length == 0.f)
    {
        return false;
    }
    normal /= length;
    return true;
}
} // namespace

Shape Shape::Rectangle(const Vector2f& p1, const Vector2f& p2, const Color& color, float outline,
                       const Color& outlineColor)
{
    Shape shape;
    shape.myPoints.reserve(4);
    shape.AddPoint(Vector2f(p1.x, p1.y), color, outlineColor);
    shape.AddPoint(Vector2f(p2.x, p1.y), color, outlineColor);
    shape.AddPoint(Vector2f(p2.x, p2.y), color, outlineColor);
    shape.AddPoint(Vector2f(p1.x, p2.y), color, outlineColor);
    shape.SetOutlineWidth(outline);
    return shape;
}

Shape Shape::Circle(const Vector2f& center, float radius, const Color& color, float outline,
                    const Color& outlineColor)
{
    Shape shape;
    shape.myPoints.reserve(CirclePoints);
    for (unsigned int i = 0; i < CirclePoints; ++i)
    {
        const double angle = i * 2.0 * Pi / CirclePoints;
        const Vector2f offset(static_cast<float>(std::cos(angle)) * radius,
                              static_cast<float>(std::sin(angle)) * radius);
        shape.AddPoint(center + offset, color, outlineColor);
    }
    shape.SetOutlineWidth(outline);
    return shape;
}

void Shape::AddPoint(const Vector2f& position, const Color& color, const Color& outlineColor)
{
    myPoints.push_back(Point{position, color, outlineColor});
    myGeometryStale = true;
}

unsigned int Shape::GetNbPoints() const
{
    return static_cast<unsigned int>(myPoints.size());
}

void Shape::SetPointPosition(unsigned int index, const Vector2f& position)
{
    myPoints.at(index).Position = position;
    myGeometryStale = true;
}

const Vector2f& Shape::GetPointPosition(unsigned int index) const
{
    return myPoints.at(index).Position;
}

const Color& Shape::GetPointColor(unsigned int index) const
{
    return myPoints.at(index).FillColor;
}

void Shape::SetOutlineWidth(float width)
{
    myOutlineWidth = width;
    myGeometryStale = true;
}

void Shape::Render(RenderTarget& target) const
{
    if (myPoints.size() < 2)
    {
        return;
    }
    if (myGeometryStale)
    {
        Rebuild();
        Recolor();
    }
    else if (myTint != GetColor())
    {
        Recolor();
    }
    DrawFill(target);
    // Mixed by its alpha, a fully transparent colour leaves every pixel as it was.
    if (myVertices.size() > FillCount() &&
        !(GetBlendMode() == Blend::Alpha && myOutlineTransparent))
    {
        target.DrawVertices(myVertices.data() + FillCount(), myVertices.size() - FillCount(),
                            sf::PrimitiveType::TriangleStrip);
    }
}

void Shape::DrawFill(RenderTarget& target) const
{
    const Blend::Mode mode = GetBlendMode();
    if (mode == Blend::Alpha && myFillTransparent)
    {
        return;
    }
    // Mixed by its alpha or written as it is, an opaque colour over the whole target replaces
    // every pixel, which a clear does at a fraction of the cost: a backdrop.
    if (myFillSolid && (mode == Blend::Alpha || mode == Blend::None) &&
        target.Covers(myVertices.data() + RimStart(), myPoints.size()))
    {
        target.Clear(myVertices.front().color);
        return;
    }
    target.DrawVertices(myVertices.data(), FillCount(), sf::PrimitiveType::TriangleFan);
}

// Sized once, so that a shape made and drawn anew every frame allocates its vertices once.
void Shape::Rebuild() const
{
    const std::size_t count = myPoints.size();
    const Vector2f centroid = Centroid();
    const Color& first = myPoints.front().FillColor;
    myFillHasCentre = std::any_of(myPoints.begin(), myPoints.end(),
                                  [&](const Point& point) { return point.FillColor != first; });
    myVertices.resize(FillCount() + (myOutlineWidth != 0.f ? 2 * count + 2 : 0));

    for (std::size_t i = 0; i < count; ++i)
    {
        myVertices[RimStart() + i].position = myPoints[i].Position;
    }
    if (myFillHasCentre)
    {
        myVertices[0].position = centroid;
        myVertices[count + 1].position = myPoints.front().Position;
    }

    for (std::size_t i = FillCount(); i < myVertices.size(); i += 2)
    {
        const std::size_t index = (i - FillCount()) / 2 % count;
        const Vector2f& inner = myPoints[index].Position;
        myVertices[i].position = inner;
        myVertices[i + 1].position = inner + OutlineDirection(index, centroid) * myOutlineWidth;
    }
    myGeometryStale = false;
}

void Shape::Recolor() const
{
    const Color tint = GetColor();
    const std::size_t count = myPoints.size();
    for (std::size_t i = 0; i < count; ++i)
    {
        myVertices[RimStart() + i].color = myPoints[i].FillColor * tint;
    }
    if (myFillHasCentre)
    {
        myVertices[0].color = CentreColor() * tint;
        myVertices[count + 1].color = myVertices[1].color;
    }
    for (std::size_t i = FillCount(); i < myVertices.size(); ++i)
    {
        myVertices[i].color = myPoints[(i - FillCount()) / 2 % count].OutlineColor * tint;
    }

    const auto transparent = [](const sf::Vertex& vertex) { return vertex.color.a == 0; };
    const auto outline = myVertices.begin() + static_cast<std::ptrdiff_t>(FillCount());
    myFillTransparent = std::all_of(myVertices.begin(), outline, transparent);
    const Color& fill = myVertices.front().color;
    myFillSolid = fill.a == 255 &&
                  std::all_of(myVertices.begin(), outline,
                              [&](const sf::Vertex& vertex) { return vertex.color == fill; });
    myOutlineTransparent = std::all_of(outline, myVertices.end(), transparent);
    myTint = tint;
}

Vector2f Shape::Centroid() const
{
    Vector2f sum(0.f, 0.f);
    for (const Point& point : myPoints)
    {
        sum += point.Position;
    }
    return sum / static_cast<float>(myPoints.size());
}

// The mean of the points' fill colours, each channel rounded down.
Color Shape::CentreColor() const
{
    float sum[4] = {0.f, 0.f, 0.f, 0.f};
    for (const Point& point : myPoints)
    {
        sum[0] += point.FillColor.r;
        sum[1] += point.FillColor.g;
        sum[2] += point.FillColor.b;
        sum[3] += point.FillColor.a;
    }
    const float count = static_cast<float>(myPoints.size());
    return Color(
        static_cast<std::uint8_t>(sum[0] / count), static_cast<std::uint8_t>(sum[1] / count),
        static_cast<std::uint8_t>(sum[2] / count), static_cast<std::uint8_t>(sum[3] / count));
}

// The outline corner at a point lies on the bisector of its two edge normals n1 and n2, at the
// distance that keeps both edges of the outline one width away from the polygon's edges:
// (n1 + n2) / (1 + n1 . n2) has the length 1 / cos(theta / 2) where theta is the angle between
// the normals, and its projection on each normal is 1. It points away from the centroid.
Vector2f Shape::OutlineDirection(std::size_t index, const Vector2f& centroid) const
{
    const std::size_t count = myPoints.size();
    const Vector2f& previous = myPoints[(index + count - 1) % count].Position;
    const Vector2f& current = myPoints[index].Position;
    const Vector2f& next = myPoints[(index + 1) % count].Position;

    Vector2f n1;
    Vector2f n2;
    if (!EdgeNormal(previous, current, n1) || !EdgeNormal(current, next, n2))
    {
        return Vector2f(0.f, 0.f);
    }
    const float factor = 1.f + n1.x * n2.x + n1.y * n2.y;
    if (factor == 0.f)
    {
        return Vector2f(0.f, 0.f);
    }
    Vector2f direction = (n1 + n2) / factor;
    const Vector2f fromCentroid = current - centroid;
    if (fromCentroid.x * direction.x + fromCentroid.y * direction.y < 0.f)
    {
        direction = -direction;
    }
    return direction;
}
} // namespace gfx
