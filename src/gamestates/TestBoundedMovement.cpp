#include "gamestates/TestBoundedMovement.hpp"

#include "engine/App.hpp"
#include "gfx/FloatRect.hpp"
#include "gfx/RenderTarget.hpp"
#include "gfx/RenderWindow.hpp"
#include "misc/BoundedMovement.hpp"
#include "misc/math_utils.hpp"

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

void TestBoundedMovement::UpdateCorrectDest()
{
    PlaceIfFinite(myCircleCorrectDest,
                  BoundedMovement::CorrectDestination(myCircleStart.GetPosition(), myVector,
                                                      myLineBound.GetP1(), myLineBound.GetP2(),
                                                      radius, myCircleCorrectDest.GetPosition()));
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
        if (BoundedMovement::CircleContains(myCircleDest.GetPosition(), radius, pos))
        {
            myGrab = dest;
        }
        else if (BoundedMovement::CircleContains(myCircleStart.GetPosition(), radius, pos))
        {
            myGrab = start;
        }
        else if (BoundedMovement::CircleContains(myLineBound.GetP1(), BoundEndCatchRadius, pos))
        {
            myGrab = bound1;
        }
        else if (BoundedMovement::CircleContains(myLineBound.GetP2(), BoundEndCatchRadius, pos))
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
