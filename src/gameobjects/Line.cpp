#include "gameobjects/Line.hpp"

#include "misc/math_utils.hpp"

namespace
{
constexpr unsigned int CornerCount = 4;
}

Line::Line(gfx::Vector2f P1, gfx::Vector2f P2, float Thickness1, float Thickness2, gfx::Color Col)
    : myP1(P1), myP2(P2), myThickness1(Thickness1), myThickness2(Thickness2)
{
    // The points stay white so that the drawable colour alone decides the line's colour.
    SetColor(Col);
    for (unsigned int i = 0; i < CornerCount; ++i)
    {
        AddPoint(gfx::Vector2f(0.f, 0.f), gfx::Color(255, 255, 255, 255), gfx::Color(0, 0, 0, 255));
    }
    CalculateShape();
}

void Line::SetPoints(gfx::Vector2f P1, gfx::Vector2f P2)
{
    myP1 = P1;
    myP2 = P2;
    CalculateShape();
}

void Line::SetP1(gfx::Vector2f P1)
{
    myP1 = P1;
    CalculateShape();
}

void Line::SetP2(gfx::Vector2f P2)
{
    myP2 = P2;
    CalculateShape();
}

void Line::SetThickness1(float Thickness)
{
    myThickness1 = Thickness;
    CalculateShape();
}

void Line::SetThickness2(float Thickness)
{
    myThickness2 = Thickness;
    CalculateShape();
}

// Each end gets half its width on either side of the segment, along the unit normal n: the
// corners are P +- n * thickness / 2. Going P1 normal side, P1 far side, P2 far side, P2 normal
// side walks around the quadrilateral without crossing its own edges.
void Line::CalculateShape()
{
    gfx::Vector2f n(0.f, 0.f);
    if (MathUtils::ComputeNormal(myP1, myP2, n))
    {
        SetPointPosition(0, myP1 + (n * myThickness1) * 0.5f);
        SetPointPosition(1, myP1 - (n * myThickness1) * 0.5f);
        SetPointPosition(2, myP2 - (n * myThickness2) * 0.5f);
        SetPointPosition(3, myP2 + (n * myThickness2) * 0.5f);
    }
    else
    {
        // Coinciding ends have no direction: collapse the polygon so that nothing shows.
        SetPointPosition(0, myP1);
        SetPointPosition(1, myP1);
        SetPointPosition(2, myP2);
        SetPointPosition(3, myP2);
    }
}
