#include "gamestates/TestBoundedMovement.hpp"

#include "gamestates/TestBoundedMovementProbe.hpp"
#include "gfx/RenderImage.hpp"
#include "gfx/RenderTarget.hpp"
#include "gfx/RenderWindow.hpp"
#include "misc/math_utils.hpp"
#include "stage/SceneSession.hpp"
#include "stage/Stage.hpp"
#include "stage/SyntheticEvents.hpp"
#include "support/Pixels.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

using gamestates::TestBoundedMovement;
using gamestates::TestBoundedMovementProbe;
using namespace events;
using namespace testing_support;

namespace
{
// The start-up boundary: running to the left, so its front side is the upper one.
const gfx::Vector2f Bound1(450.f, 300.f);
const gfx::Vector2f Bound2(100.f, 300.f);

::testing::AssertionResult Near(gfx::Vector2f actual, gfx::Vector2f expected)
{
    if (std::abs(actual.x - expected.x) <= 0.01f && std::abs(actual.y - expected.y) <= 0.01f)
    {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ") is not ("
                                         << expected.x << ", " << expected.y << ")";
}

// What the geometry answers where it keeps the corrected destination where it was.
const gfx::Vector2f Previous(-1234.f, 5678.f);

gfx::Vector2f Corrected(gfx::Vector2f start, gfx::Vector2f vector, gfx::Vector2f p1,
                        gfx::Vector2f p2)
{
    return TestBoundedMovementProbe::CorrectDestination(start, vector, p1, p2, Previous);
}
} // namespace

class TestBoundedMovementTest : public ::testing::Test
{
protected:
    // One frame of the real loop that handles the given events.
    void RunFrame(const std::vector<gfx::Event>& events)
    {
        for (const gfx::Event& event : events)
        {
            mySession.Queue(event);
        }
        mySession.RunFrames(1);
    }

    gfx::Vector2f SceneAt(int x, int y)
    {
        return mySession.GetStage().GetWindow().ConvertCoords(
            static_cast<unsigned int>(x), static_cast<unsigned int>(y), &myProbe.View());
    }

    // What was dragged, told by which of the handles moved.
    std::string Moved(const std::vector<gfx::Vector2f>& before) const
    {
        const std::vector<gfx::Vector2f> after = Handles();
        const char* const names[] = {"start ", "dest ", "bound1 ", "bound2 "};
        std::string moved;
        for (std::size_t i = 0; i < after.size(); ++i)
        {
            moved += after[i] != before[i] ? names[i] : "";
        }
        return moved;
    }

    std::vector<gfx::Vector2f> Handles() const
    {
        return {myProbe.Start(), myProbe.Dest(), myProbe.Bound().GetP1(), myProbe.Bound().GetP2()};
    }

    // The corrected destination computed afresh for the scene's current configuration.
    gfx::Vector2f FreshCorrectDest() const
    {
        return TestBoundedMovementProbe::CorrectDestination(
            myProbe.Start(), myProbe.Vector(), myProbe.Bound().GetP1(), myProbe.Bound().GetP2(),
            myProbe.CorrectDest());
    }

    SceneSession mySession{"TestBoundedMovement", 1024, 600, 1.0 / 60.0, 1};
    TestBoundedMovement& myScene = dynamic_cast<TestBoundedMovement&>(mySession.GetScene());
    TestBoundedMovementProbe myProbe{myScene};
};

// --- Geometry ---------------------------------------------------------------------------------

TEST_F(TestBoundedMovementTest, SegmentsIntersectOnlyWithinBothRangesAndNeverWhenParallel)
{
    struct Case
    {
        const char* name;
        gfx::Vector2f s1, e1, s2, e2;
        bool expected;
    };
    const float nan = std::nanf("");
    const Case cases[] = {
        {"crossing", {0, 0}, {10, 0}, {5, -5}, {5, 5}, true},
        {"touching at an end", {0, 0}, {10, 0}, {10, 0}, {10, 5}, true},
        {"past the end", {0, 0}, {10, 0}, {11, -5}, {11, 5}, false},
        {"short of the other", {0, 0}, {4, 0}, {5, -5}, {5, 5}, false},
        {"collinear overlap", {0, 0}, {10, 0}, {5, 0}, {15, 0}, false},
        {"vertical first", {0, 0}, {0, 10}, {-5, 5}, {5, 5}, true},
        {"vertical too short", {0, 0}, {0, 4}, {-5, 5}, {5, 5}, false},
        {"both vertical", {0, 0}, {0, 10}, {0, 5}, {0, 15}, false},
        {"first a point", {3, 3}, {3, 3}, {0, 3}, {5, 3}, false},
        {"not a number", {nan, 0}, {10, 0}, {5, -5}, {5, 5}, false},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(TestBoundedMovementProbe::DoLinesIntersect(c.s1, c.e1, c.s2, c.e2), c.expected)
            << c.name;
    }
}

TEST_F(TestBoundedMovementTest, CorrectedDestinationStopsTheBodyAtTheBoundarysFront)
{
    struct Case
    {
        const char* name;
        gfx::Vector2f start, vector, p1, p2, expected;
    };
    const gfx::Vector2f S(200, 100);
    const gfx::Vector2f V(0, 300);
    const Case cases[] = {
        {"start configuration", {100, 100}, {300, 175}, Bound1, Bound2, {357.14f, 250.f}},
        {"straight", S, V, Bound1, Bound2, {200, 250}},
        {"inside the distance", S, {0, 160}, Bound1, Bound2, {200, 250}},
        {"at the distance", S, {0, 150}, Bound1, Bound2, {200, 250}},
        {"band short", S, {0, 100}, Bound1, Bound2, {200, 200}},
        {"start too close", {200, 270}, {0, 10}, Bound1, Bound2, {200, 250}},
        {"from behind", {200, 400}, {0, -300}, Bound1, Bound2, {200, 100}},
        {"heading to the front", {300, 290}, {100, -30}, Bound1, Bound2, {400, 260}},
        {"beyond the end", {600, 100}, V, Bound1, Bound2, {600, 400}},
        {"inside the band", S, V, {190, 300}, {210, 300}, {200, 400}},
        {"end on a band edge", S, V, {450, 300}, {250, 300}, {200, 250}},
        {"end off a band edge", S, V, {450, 300}, {251, 300}, {200, 400}},
        {"reversed, from above", S, V, Bound2, Bound1, {200, 400}},
        {"reversed, from below", {200, 400}, {0, -300}, Bound2, Bound1, {200, 350}},
        {"slanted", {300, 300}, {-200, -200}, {0, 400}, {400, 0}, {235.36f, 235.36f}},
        {"zero-length boundary", S, V, {200, 300}, {200, 300}, {200, 400}},
        {"zero movement", S, {0, 0}, Bound1, Bound2, S},
    };
    for (const Case& c : cases)
    {
        EXPECT_TRUE(Near(Corrected(c.start, c.vector, c.p1, c.p2), c.expected)) << c.name;
    }
}

TEST_F(TestBoundedMovementTest, DegenerateAnglesAndOverflowKeepThePreviousCorrectedDestination)
{
    // Almost along the boundary, rounding pushes the cosine of the angle just above 1. That
    // counts as moving along it, which never changes the distance from its line.
    const gfx::Vector2f start(437.75f, 198.37f);
    const gfx::Vector2f vector(-450.06f, -299.94f);
    const gfx::Vector2f p1(500, 300);
    const gfx::Vector2f p2(200, 100);
    const float cosAlpha = MathUtils::DotProduct(vector, p2 - p1) /
                           (MathUtils::VectorLen(p2 - p1) * MathUtils::VectorLen(vector));
    ASSERT_GT(std::abs(cosAlpha), 1.f);
    EXPECT_EQ(Corrected(start, vector, p1, p2), Previous);
    EXPECT_EQ(Corrected({200, 100}, {0, 300}, {3e38f, 300}, {-3e38f, 300}), Previous);
}

// --- Scene through the frame loop -------------------------------------------------------------

TEST_F(TestBoundedMovementTest, LeftPressPicksDestinationThenStartThenBoundaryEnds)
{
    // A drag from one point to another, to set a case up.
    const auto Drag = [](int x1, int y1, int x2, int y2)
    {
        return std::vector<gfx::Event>{MousePressed(gfx::Mouse::Left, x1, y1), MouseMoved(x2, y2),
                                       MouseReleased(gfx::Mouse::Left, x2, y2)};
    };
    struct Case
    {
        const char* name;
        std::vector<gfx::Event> setUp;
        int x, y;
        std::string dragged;
    };
    const Case cases[] = {
        {"inside both circles", Drag(400, 275, 160, 100), 130, 100, "dest "},
        {"inside the start circle", {}, 120, 110, "start dest "},
        {"on the start circle's outline", {}, 100, 150, ""},
        {"near the first end", {}, 455, 300, "bound1 "},
        {"exactly 10 from the first end", {}, 460, 300, ""},
        {"near the second end", {}, 100, 306, "bound2 "},
        {"near both ends", Drag(450, 300, 110, 300), 105, 300, "bound1 "},
        {"inside a circle and near an end", Drag(100, 100, 100, 260), 100, 295, "start dest "},
        {"empty space", {}, 800, 100, ""},
    };
    for (const Case& c : cases)
    {
        myScene.Initialize();
        RunFrame(c.setUp);
        const std::vector<gfx::Vector2f> before = Handles();
        RunFrame({MousePressed(gfx::Mouse::Left, c.x, c.y), MouseMoved(c.x + 7, c.y + 3),
                  MouseReleased(gfx::Mouse::Left, c.x + 7, c.y + 3), MouseMoved(0, 0)});
        EXPECT_EQ(Moved(before), c.dragged) << c.name;
        EXPECT_TRUE(Near(myProbe.CorrectDest(), FreshCorrectDest())) << c.name;
    }
}

TEST_F(TestBoundedMovementTest, DraggingTheStartCarriesTheDestinationAlong)
{
    RunFrame({MousePressed(gfx::Mouse::Left, 100, 100), MouseMoved(110, 100)});
    EXPECT_EQ(myProbe.Start(), gfx::Vector2f(110, 100));
    EXPECT_EQ(myProbe.Dest(), gfx::Vector2f(410, 275));
    EXPECT_EQ(myProbe.Vector(), gfx::Vector2f(300, 175));
    EXPECT_TRUE(Near(myProbe.CorrectDest(), {367.14f, 250.f}));
    EXPECT_TRUE(Near(myProbe.Movement().GetP1(), {-190, -75}));
    EXPECT_TRUE(Near(myProbe.Movement1().GetP2(), {735.19f, 406.81f}));

    // Beyond the window's edge the positions are negative and the drag goes on.
    RunFrame({MouseMoved(-20, 50)});
    EXPECT_TRUE(Near(myProbe.Start(), {-20, 50}));
    EXPECT_TRUE(Near(myProbe.CorrectDest(), FreshCorrectDest()));
}

TEST_F(TestBoundedMovementTest, DraggingTheDestinationOntoTheStartLeavesTheEdgeGuides)
{
    // In the program's window, one unit to the pixel, every pixel is exactly its scene point, so
    // the destination lands exactly on the start.
    RunFrame({MousePressed(gfx::Mouse::Left, 400, 275), MouseMoved(300, 200)});
    EXPECT_EQ(myProbe.Vector(), gfx::Vector2f(200, 100));
    EXPECT_TRUE(Near(myProbe.Movement1().GetP1(), {-77.64f, -44.72f}));
    EXPECT_TRUE(Near(myProbe.Movement2().GetP2(), {477.64f, 344.72f}));
    EXPECT_TRUE(Near(myProbe.CorrectDest(), {300, 200})) << "clear of the boundary";

    RunFrame({MouseMoved(100, 100)});
    EXPECT_EQ(myProbe.Vector(), gfx::Vector2f(0, 0));
    EXPECT_EQ(myProbe.Movement().GetP1(), gfx::Vector2f(100, 100));
    EXPECT_EQ(myProbe.Movement().GetP2(), gfx::Vector2f(100, 100));
    EXPECT_TRUE(Near(myProbe.Movement1().GetP1(), {-77.64f, -44.72f}));
    EXPECT_TRUE(Near(myProbe.Movement2().GetP2(), {477.64f, 344.72f}));
    EXPECT_EQ(myProbe.CorrectDest(), gfx::Vector2f(100, 100));
}

TEST_F(TestBoundedMovementTest, RightDragPansZoomKeepsTheCentreAndResizeResets)
{
    RunFrame(
        {MousePressed(gfx::Mouse::Right, 500, 300), MouseMoved(600, 350), MouseMoved(650, 420)});
    EXPECT_TRUE(Near(SceneAt(650, 420), {500, 300}));
    EXPECT_EQ(myProbe.Start(), gfx::Vector2f(100, 100));

    const gfx::Vector2f centre = myProbe.View().GetCenter();
    RunFrame({MouseReleased(gfx::Mouse::Right, 650, 420), MouseWheelMoved(1, 650, 420)});
    EXPECT_EQ(myProbe.View().GetCenter(), centre);
    EXPECT_FLOAT_EQ(myProbe.View().GetHalfSize().x, 512.f / 1.1f);
    EXPECT_FLOAT_EQ(myProbe.View().GetHalfSize().y, 300.f / 1.1f);

    const gfx::Vector2f grabbed = SceneAt(100, 100);
    RunFrame({MousePressed(gfx::Mouse::Right, 100, 100), MouseMoved(300, 250)});
    EXPECT_TRUE(Near(SceneAt(300, 250), grabbed));

    mySession.Resize(800, 500);
    RunFrame({});
    EXPECT_EQ(myProbe.View().GetCenter(), gfx::Vector2f(400, 250));
    EXPECT_EQ(myProbe.View().GetHalfSize(), gfx::Vector2f(400, 250));
}

TEST_F(TestBoundedMovementTest, EachWheelStepZoomsOnce)
{
    // The window reports every step twice, as MouseWheelMoved and as MouseWheelScrolled.
    RunFrame({MouseWheelMoved(1, 10, 10), MouseWheelScrolled(1.f, 10, 10)});
    EXPECT_FLOAT_EQ(myProbe.View().GetHalfSize().x, 512.f / 1.1f);

    RunFrame({MouseWheelMoved(-1, 10, 10), MouseWheelScrolled(-1.f, 10, 10)});
    EXPECT_FLOAT_EQ(myProbe.View().GetHalfSize().x, 512.f / 1.1f / 0.9f);

    // Ten steps back at once or more would make the view infinite or mirror it.
    const gfx::Vector2f halfSize = myProbe.View().GetHalfSize();
    RunFrame({MouseWheelMoved(-10, 10, 10), MouseWheelMoved(-11, 10, 10)});
    EXPECT_EQ(myProbe.View().GetHalfSize(), halfSize);
}

TEST_F(TestBoundedMovementTest, ZoomStaysWithinAThousandTimesTheFittedSizeWhileDragging)
{
    // The destination is held and dragged to and fro after every step, through the zoomed view.
    RunFrame({MousePressed(gfx::Mouse::Left, 400, 275)});
    const auto Steps = [&](int delta, int count)
    {
        std::vector<gfx::Event> events;
        for (int i = 0; i < count; ++i)
        {
            events.push_back(MouseWheelMoved(delta, 500, 300));
            events.push_back(MouseMoved(400 + i % 2 * 300, 275 - i % 2 * 200));
        }
        RunFrame(events);
        for (const gfx::Vector2f& handle : Handles())
        {
            EXPECT_TRUE(std::isfinite(handle.x) && std::isfinite(handle.y));
        }
        const gfx::Vector2f half = myProbe.View().GetHalfSize();
        EXPECT_NEAR(half.y / half.x, 300.f / 512.f, 1e-5f) << "the aspect ratio holds";
        return half.x;
    };
    // The last step that stays within the range is followed by one that would leave it.
    const float in = Steps(1, 5000);
    EXPECT_GE(in, 512.f / 1000.f);
    EXPECT_LT(in, 512.f / 1000.f * 1.1f);
    const float out = Steps(-1, 5000);
    EXPECT_LE(out, 512.f * 1000.f);
    EXPECT_GT(out, 512.f * 1000.f * 0.9f);
    // Every step back to the fitted size is taken.
    const int back = static_cast<int>(std::ceil(std::log(out / 512.f) / std::log(1.1f)));
    const float fitted = Steps(1, back);
    EXPECT_LE(fitted, 512.f);
    EXPECT_GT(fitted, 512.f / 1.1f);
}

TEST_F(TestBoundedMovementTest, MiddlePressDuringADragKeepsDraggingAndAnyReleaseEndsIt)
{
    RunFrame({MousePressed(gfx::Mouse::Left, 100, 100), MousePressed(gfx::Mouse::Middle, 120, 100),
              MouseMoved(130, 110)});
    EXPECT_TRUE(Near(myProbe.Start(), {110, 110}));

    RunFrame({MouseReleased(gfx::Mouse::Middle, 130, 110), MouseMoved(200, 200)});
    EXPECT_TRUE(Near(myProbe.Start(), {110, 110}));
}

TEST_F(TestBoundedMovementTest, KeysAndOtherEventsDoNothing)
{
    const std::vector<gfx::Vector2f> before = Handles();
    RunFrame({KeyPressed(gfx::Keyboard::Escape), KeyReleased(gfx::Keyboard::Escape),
              KeyPressed(gfx::Keyboard::Left), KeyPressed(gfx::Keyboard::PageUp), MouseEntered(),
              MouseLeft()});
    EXPECT_EQ(Moved(before), "");
    EXPECT_EQ(myProbe.View().GetHalfSize(), gfx::Vector2f(512, 300));
    EXPECT_TRUE(myScene.IsRunning());
}

// --- Pixels -----------------------------------------------------------------------------------

TEST_F(TestBoundedMovementTest, StartConfigurationShowsCirclesBoundaryAndGuides)
{
    const gfx::Image image =
        RenderOffscreen(1024, 600, [&](gfx::RenderTarget& target) { myScene.Render(target); });
    const auto at = [&](gfx::Vector2f point) {
        return image.GetPixel(static_cast<unsigned int>(point.x),
                              static_cast<unsigned int>(point.y));
    };
    const auto around = [](gfx::Vector2f centre, float radius, float degrees)
    {
        const float angle = degrees * 3.14159265f / 180.f;
        return centre + gfx::Vector2f(std::cos(angle), std::sin(angle)) * radius;
    };
    const gfx::Color white(255, 255, 255, 255);
    const gfx::Color black(0, 0, 0, 255);
    const gfx::Color red(255, 0, 0, 255);
    const gfx::Color green(105, 182, 40, 255);
    const gfx::Color blue(0, 0, 255, 255);

    // The outline lies just outside the radius 50. Above its centre the destination circle is
    // covered by the corrected destination's, which is drawn last.
    struct Circle
    {
        gfx::Vector2f centre;
        gfx::Color colour;
        std::vector<float> directions;
    };
    const Circle circles[] = {{{100, 100}, black, {0, 90, 180, 270}},
                              {{400, 275}, red, {0, 45, 90, 180}},
                              {{357.14f, 250}, green, {0, 90, 180, 270}}};
    // Across the movement, half way to the band's edges, every circle is empty.
    const float across = std::atan2(300.f, -175.f) * 180.f / 3.14159265f;
    for (const Circle& circle : circles)
    {
        for (const float direction : circle.directions)
        {
            EXPECT_EQ(at(around(circle.centre, 51, direction)), circle.colour) << direction;
        }
        EXPECT_EQ(at(around(circle.centre, 25, across)), white);
        EXPECT_EQ(at(around(circle.centre, 25, across + 180)), white);
    }

    // The boundary ends at x = 100 and 450.
    for (const float x : {110, 275, 430})
    {
        EXPECT_EQ(at({x, 299}), black) << x;
        EXPECT_EQ(at({x, 300}), black) << x;
    }
    EXPECT_EQ(at({89, 300}), white);
    EXPECT_EQ(at({461, 300}), white);

    // The guides, half way and nine tenths along.
    const gfx::Vector2f guides[][2] = {{{-200, -75}, {700, 450}},
                                       {{-174.81f, -118.19f}, {725.19f, 406.81f}},
                                       {{-225.19f, -31.81f}, {674.81f, 493.19f}}};
    for (const auto& guide : guides)
    {
        for (const float t : {0.5f, 0.9f})
        {
            EXPECT_EQ(at(guide[0] + (guide[1] - guide[0]) * t), blue) << guide[0].x << " " << t;
        }
    }
}

// Every draw call costs the driver much the same, however little it draws.
TEST_F(TestBoundedMovementTest, AFrameTakesAtMostSevenDrawCalls)
{
    gfx::RenderImage target(1024, 600);
    myScene.Render(target);
    target.Display();
    EXPECT_LE(target.GetDrawCalls(), 7u);
}
