#pragma once

#include "gfx/Color.hpp"
#include "gfx/Shape.hpp"
#include "gfx/Vector2.hpp"

// A segment drawn as a filled quadrilateral in one colour, whose full width may differ at its
// two ends. The end points are in the shape's local frame; the drawable transform moves the
// whole polygon.
class Line : public gfx::Shape
{
public:
    Line(gfx::Vector2f P1, gfx::Vector2f P2, float Thickness1, float Thickness2, gfx::Color Col);

    void SetPoints(gfx::Vector2f P1, gfx::Vector2f P2);
    void SetP1(gfx::Vector2f P1);
    void SetP2(gfx::Vector2f P2);
    void SetThickness1(float Thickness);
    float GetThickness1() const { return myThickness1; }
    void SetThickness2(float Thickness);
    float GetThickness2() const { return myThickness2; }
    gfx::Vector2f GetP1() const { return myP1; }
    gfx::Vector2f GetP2() const { return myP2; }

private:
    void CalculateShape();

    gfx::Vector2f myP1;
    gfx::Vector2f myP2;
    float myThickness1;
    float myThickness2;
};
