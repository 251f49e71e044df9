#include "gamestates/TestBoundedMovement.hpp"

#include "engine/App.hpp"
#include "gfx/FloatRect.hpp"
#include "gfx/RenderTarget.hpp"
#include "gfx/RenderWindow.hpp"
#include "misc/math_utils.hpp"

#include <algorithm>
#include <cmath>

namespace gamestates
{
namespace
{
constexpr float BodyRadius = 50.f;
// Boundary ends are small targets, so they are caught within a fixed distance instead.
constexpr float BoundEndCatchRadius = 10.f;
constexpr float LineThickness = 2.f;
constexpr float CircleOutline = 2.f;

// The start configuration: the body moves down and to the right into a boundary whose front
// faces up.
const gfx::Vector2f StartPoint(100.f, 100.f);
const gfx::Vector2f StartVector(300.f, 175.f);
const gfx::Vector2f StartBound1(450.f, 300.f);
const gfx::Vector2f StartBound2(100.f, 300.f);

const gfx::Color White(255, 255, 255, 255);
const gfx::Color Invisible(255, 255, 255, 0);
const gfx::Color Black(0, 0, 0, 255);
const gfx::Color Blue(0, 0, 255, 255);
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color Green(105, 182, 40, 255);

// An outlined circle around its local origin, so that its position is its centre.
gfx::Shape BodyCircle(float radius, const gfx::Color& outlineColor)
{
    return gfx::Shape::Circle(gfx::Vector2f(0.f, 0.f), radius, Invisible, CircleOutline,
                              outlineColor);
}

gfx::Vector2f WindowSize(const App& app)
{
    return gfx::Vector2f(static_cast<float>(app.mRenderWindow->GetWidth()),
                         static_cast<float>(app.mRenderWindow->GetHeight()));
}

bool IsFinite(gfx::Vector2f v)
{
    return std::isfinite(v.x) && std::isfinite(v.y);
}

// Leaves the drawable where it is rather than drawing it at a NaN or an infinity.
void PlaceIfFinite(gfx::Drawable& drawable, gfx::Vector2f position)
{
    if (IsFinite(position))
    {
        drawable.SetPosition(position);
    }
}

// False for NaN as well.
bool InUnitRange(float t)
{
    return t >= 0.f && t <= 1.f;
}
} // namespace

TestBoundedMovement::TestBoundedMovement()
    : myView(gfx::FloatRect(0.f, 0.f, 1000.f, 1000.f)),
      myLineBound(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(0.f, 0.f), LineThickness, LineThickness,
                  Black),
      myLineMovement(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(0.f, 0.f), LineThickness, LineThickness,
                     Blue),
      myLineMovement1(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(0.f, 0.f), LineThickness,
                      LineThickness, Blue),
      myLineMovement2(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(0.f, 0.f), LineThickness,
                      LineThickness, Blue)
{
    myID = "TestBoundedMovement";
}

void TestBoundedMovement::Initialize()
{
    radius = BodyRadius;
    myCircleStart = BodyCircle(radius, Black);
    myCircleDest = BodyCircle(radius, Red);
    myCircleCorrectDest = BodyCircle(radius, Green);
    myLineBound.SetPoints(StartBound1, StartBound2);
    myCircleStart.Move(StartPoint);
    myVector = StartVector;
    UpdateDest();
    UpdateCorrectDest();
    UpdateVectorLine();
    const gfx::Vector2f size = WindowSize(*GetApp());
    OnResize(size.x, size.y);
    myGrab = none;
}

void TestBoundedMovement::Cleanup() {}

void TestBoundedMovement::Update() {}

void TestBoundedMovement::EventHandling(gfx::Event Event)
{
    switch (Event.type)
    {
    case gfx::Event::Resized:
    {
        const gfx::Vector2f size = WindowSize(*GetApp());
        OnResize(size.x, size.y);
        break;
    }
    case gfx::Event::MouseWheelMoved:
        OnWheel(Event.mouseWheel.delta);
        break;
    case gfx::Event::MouseButtonPressed:
        OnButtonPressed(Event.mouseButton.button, Event.mouseButton.x, Event.mouseButton.y);
        break;
    case gfx::Event::MouseButtonReleased:
        myGrab = none;
        break;
    case gfx::Event::MouseMoved:
        OnMouseMoved(Event.mouseMove.x, Event.mouseMove.y);
        break;
    default:
        // Among the ignored events is MouseWheelScrolled: every wheel step also arrives as
        // MouseWheelMoved, and zooming on both would zoom twice.
        break;
    }
}

void TestBoundedMovement::Render(gfx::RenderTarget& Target)
{
    Target.Clear(White);
    Target.SetView(myView);
    Target.Draw(myLineBound);
    Target.Draw(myLineMovement);
    Target.Draw(myLineMovement1);
    Target.Draw(myLineMovement2);
    Target.Draw(myCircleStart);
    Target.Draw(myCircleDest);
    Target.Draw(myCircleCorrectDest);
}

void TestBoundedMovement::OnResize(float width, float height)
{
    myView.SetFromRect(gfx::FloatRect(0.f, 0.f, width, height));
    myZoomRange.Fit(myView.GetHalfSize());
}

bool TestBoundedMovement::CircleContains(gfx::Vector2f circlePos, float radius, gfx::Vector2f pos)
{
    const gfx::Vector2f diff = circlePos - pos;
    return diff.x * diff.x + diff.y * diff.y < radius * radius;
}

void TestBoundedMovement::UpdateDest()
{
    myCircleDest.SetPosition(myCircleStart.GetPosition() + myVector);
}

void TestBoundedMovement::UpdateVector()
{
    myVector = myCircleDest.GetPosition() - myCircleStart.GetPosition();
}

// The movement guide runs from one vector length behind the start to one beyond the
// destination; the edge guides run alongside at the distance radius, along the unit normal n
// of the movement, and so mark the band that the body sweeps.
void TestBoundedMovement::UpdateVectorLine()
{
    const gfx::Vector2f s = myCircleStart.GetPosition();
    const gfx::Vector2f v = myVector;
    const gfx::Vector2f from = s - v;
    const gfx::Vector2f to = s + v * 2.f;
    myLineMovement.SetPoints(from, to);

    // A zero movement has no direction: the edge guides then stay where they were.
    gfx::Vector2f n(0.f, 0.f);
    if (MathUtils::ComputeNormal(gfx::Vector2f(0.f, 0.f), v, n))
    {
        myLineMovement1.SetPoints(from - n * radius, to - n * radius);
        myLineMovement2.SetPoints(from + n * radius, to + n * radius);
    }
}

// A common point is s1 + k·p = s2 + m·q with p = e1 - s1, q = e2 - s2 and both k and m in
// [0, 1]; the ends are included, so segments that only touch intersect. Parallel segments never
// intersect, not even collinear overlapping ones.
bool TestBoundedMovement::DoLinesIntersect(gfx::Vector2f s1, gfx::Vector2f e1, gfx::Vector2f s2,
                                           gfx::Vector2f e2)
{
    const gfx::Vector2f p = e1 - s1;
    const gfx::Vector2f q = e2 - s2;
    if (p.x != 0.f)
    {
        // The x components give k = (s2.x + m·q.x - s1.x) / p.x. Put into the y components:
        //   s1.y + (s2.x + m·q.x - s1.x)·p.y/p.x = s2.y + m·q.y
        //   m·(q.x·p.y/p.x - q.y) = (s2.y - s1.y) - (s2.x - s1.x)·p.y/p.x
        // and a = q.x·p.y/p.x - q.y vanishes exactly when q is parallel to p.
        const float a = q.x * p.y / p.x - q.y;
        if (a == 0.f)
        {
            return false;
        }
        const float m = ((s2.y - s1.y) - (s2.x - s1.x) * p.y / p.x) / a;
        if (!InUnitRange(m))
        {
            return false;
        }
        const float k = (s2.x + q.x * m - s1.x) / p.x;
        return InUnitRange(k);
    }
    // The first segment is vertical or a point: its x components say s1.x = s2.x + m·q.x, which
    // fixes m unless q is vertical too (parallel); the y components
    // s1.y + k·p.y = s2.y + m·q.y then give k unless the first segment is a single point.
    if (q.x == 0.f)
    {
        return false;
    }
    const float m = (s1.x - s2.x) / q.x;
    if (!InUnitRange(m))
    {
        return false;
    }
    if (p.y == 0.f)
    {
        return false;
    }
    const float k = (s2.y + q.y * m - s1.y) / p.y;
    return InUnitRange(k);
}

void TestBoundedMovement::UpdateCorrectDest()
{
    PlaceIfFinite(myCircleCorrectDest,
                  CorrectDestination(myCircleStart.GetPosition(), myVector, myLineBound.GetP1(),
                                     myLineBound.GetP2(), radius,
                                     myCircleCorrectDest.GetPosition()));
}

// The boundary stops the body only from its front, the side its normal ng0 points to (the
// right-hand side of the way from P1 to P2 on screen). The body stops where its centre is the
// radius r in front of the boundary's line; the band test uses the boundary as a segment, the
// distance tests its infinite line.
gfx::Vector2f TestBoundedMovement::CorrectDestination(gfx::Vector2f s, gfx::Vector2f v,
                                                      gfx::Vector2f pl1, gfx::Vector2f pl2, float r,
                                                      gfx::Vector2f previous)
{
    const gfx::Vector2f z = s + v;
    const float length = MathUtils::VectorLen(v);
    gfx::Vector2f ng0(0.f, 0.f);
    gfx::Vector2f nh0(0.f, 0.f);
    if (length == 0.f || !MathUtils::ComputeNormal(pl1, pl2, ng0) ||
        !MathUtils::ComputeNormal(s, z, nh0))
    {
        return z;
    }
    const gfx::Vector2f u = v / length;

    // The body sweeps the band between s ± r·nh0 and z ± r·nh0, and its front reaches r beyond
    // z: edge A is s + r·nh0 to z + r·u + r·nh0, edge B the same on the other side.
    const bool bandMeetsBoundary = DoLinesIntersect(s + nh0 * r, z + u * r + nh0 * r, pl1, pl2) ||
                                   DoLinesIntersect(s - nh0 * r, z + u * r - nh0 * r, pl1, pl2);
    // ng0 is a unit vector, so a dot product with it is a signed distance along it: d is how far
    // z lies in front of the boundary's line.
    const float d = MathUtils::DotProduct(z - pl2, ng0);
    const bool headsToFront = MathUtils::DotProduct(v, ng0) > 0.f;
    const bool startsBehind = MathUtils::DotProduct(s - pl2, ng0) < 0.f;
    if (!bandMeetsBoundary || headsToFront || startsBehind || d >= r)
    {
        return z;
    }

    // v·b = |v|·|b|·cos(alpha) for the boundary's direction b = pl2 - pl1, and sin(alpha) =
    // sqrt(1 - cos²(alpha)) is not negative for the angle alpha between the two.
    const gfx::Vector2f b = pl2 - pl1;
    const float cosAlpha =
        MathUtils::DotProduct(v, b) / (MathUtils::VectorLen(b) * MathUtils::VectorLen(v));
    // Rounding can push |cosAlpha| just above 1 when the movement runs almost along the
    // boundary. That movement is as good as parallel, so it is treated as parallel: sinAlpha 0.
    const float sinAlpha = static_cast<float>(
        std::sqrt(static_cast<double>(std::max(0.f, 1.f - cosAlpha * cosAlpha))));
    if (sinAlpha == 0.f)
    {
        // Moving parallel never changes the distance from the line, so no pull-back helps:
        // the corrected destination stays where the last computation put it.
        return previous;
    }
    // u makes the angle alpha with the line and heads to its back, so pulling z back by x along
    // u moves it x·sin(alpha) further to the front: x·sin(alpha) = r - d leaves the centre
    // exactly r in front of the line. If the start itself is closer than r, x exceeds |v| and
    // the body is pushed back out.
    const float x = (r - d) / sinAlpha;
    return z - u * x;
}

void TestBoundedMovement::OnWheel(int delta)
{
    // Zoom divides the half size by the factor: a step forwards magnifies by 1.1. Ten or more
    // steps backwards at once give a factor of zero or below, which the range drops.
    myZoomRange.Zoom(myView, static_cast<float>(1.0 + 0.1 * delta));
}

void TestBoundedMovement::OnButtonPressed(gfx::Mouse::Button button, int x, int y)
{
    const gfx::Vector2f pos = ToScene(x, y);
    if (!IsFinite(pos))
    {
        return;
    }
    if (button == gfx::Mouse::Left)
    {
        // The destination lies over the start, and both circles over the boundary ends.
        if (CircleContains(myCircleDest.GetPosition(), radius, pos))
        {
            myGrab = dest;
        }
        else if (CircleContains(myCircleStart.GetPosition(), radius, pos))
        {
            myGrab = start;
        }
        else if (CircleContains(myLineBound.GetP1(), BoundEndCatchRadius, pos))
        {
            myGrab = bound1;
        }
        else if (CircleContains(myLineBound.GetP2(), BoundEndCatchRadius, pos))
        {
            myGrab = bound2;
        }
        else
        {
            myGrab = none;
        }
    }
    else if (button == gfx::Mouse::Right)
    {
        myGrab = all;
    }
    myLastCursor = pos;
}

void TestBoundedMovement::OnMouseMoved(int x, int y)
{
    gfx::Vector2f pos = ToScene(x, y);
    if (myGrab == none || !IsFinite(pos))
    {
        return;
    }
    const gfx::Vector2f offset = pos - myLastCursor;
    switch (myGrab)
    {
    case start:
        myCircleStart.Move(offset);
        UpdateDest();
        UpdateVectorLine();
        UpdateCorrectDest();
        break;
    case dest:
        myCircleDest.Move(offset);
        UpdateVector();
        UpdateVectorLine();
        UpdateCorrectDest();
        break;
    case all:
        // Moving the view against the cursor keeps the grabbed scene point under it.
        myView.Move(-offset);
        pos = ToScene(x, y);
        break;
    case bound1:
        myLineBound.SetP1(myLineBound.GetP1() + offset);
        UpdateCorrectDest();
        break;
    case bound2:
        myLineBound.SetP2(myLineBound.GetP2() + offset);
        UpdateCorrectDest();
        break;
    case none:
        break;
    }
    myLastCursor = pos;
}

gfx::Vector2f TestBoundedMovement::ToScene(int x, int y) const
{
    // A drag beyond the window's left or top edge reports negative pixels; ConvertCoords takes
    // them as unsigned and turns them back into the same int.
    return GetApp()->mRenderWindow->ConvertCoords(static_cast<unsigned int>(x),
                                                  static_cast<unsigned int>(y), &myView);
}

} // namespace gamestates
