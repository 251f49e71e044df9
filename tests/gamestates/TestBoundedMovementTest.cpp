#include "gamestates/TestBoundedMovement.hpp"

#include "gamestates/TestBoundedMovementProbe.hpp"
#include "gfx/RenderImage.hpp"
#include "gfx/RenderWindow.hpp"
#include "misc/BoundedMovement.hpp"
#include "stage/SceneSession.hpp"
#include "stage/SyntheticEvents.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

using gamestates::TestBoundedMovementProbe;
using namespace events;

namespace
{
void ExpectNear(gfx::Vector2f actual, gfx::Vector2f expected, const std::string& what = "")
{
    EXPECT_NEAR(actual.x, expected.x, 0.01f) << what;
    EXPECT_NEAR(actual.y, expected.y, 0.01f) << what;
}

class TestBoundedMovementTest : public ::testing::Test
{
protected:
    // One frame of the program's loop that handles the given events.
    void RunFrame(const std::vector<gfx::Event>& events)
    {
        for (const gfx::Event& event : events)
        {
            session.Queue(event);
        }
        session.RunFrames(1);
    }

    gfx::Vector2f SceneAt(int x, int y)
    {
        return session.GetApplication().GetWindow().ConvertCoords(
            static_cast<unsigned int>(x), static_cast<unsigned int>(y), &probe.View());
    }

    std::vector<gfx::Vector2f> Handles() const
    {
        return {probe.Start(), probe.Dest(), probe.Bound().GetP1(), probe.Bound().GetP2()};
    }

    float HalfWidth() const { return probe.View().GetHalfSize().x; }

    SceneSession session{"TestBoundedMovement", 1024, 600, 1.0 / 60.0, 1};
    gamestates::TestBoundedMovement& scene =
        dynamic_cast<gamestates::TestBoundedMovement&>(session.GetScene());
    TestBoundedMovementProbe probe{scene};
};
} // namespace

TEST_F(TestBoundedMovementTest, LeftPressPicksDestinationThenStartThenBoundaryEnds)
{
    const auto Drag = [](int x1, int y1, int x2, int y2)
    {
        return std::vector<gfx::Event>{MousePressed(gfx::Mouse::Left, x1, y1), MouseMoved(x2, y2),
                                       MouseReleased(gfx::Mouse::Left, x2, y2)};
    };
    const std::tuple<const char*, std::vector<gfx::Event>, int, int, std::string> cases[] = {
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
    const char* const names[] = {"start ", "dest ", "bound1 ", "bound2 "};
    for (const auto& [name, setUp, x, y, dragged] : cases)
    {
        scene.Initialize();
        RunFrame(setUp);
        const std::vector<gfx::Vector2f> before = Handles();
        RunFrame({MousePressed(gfx::Mouse::Left, x, y), MouseMoved(x + 7, y + 3),
                  MouseReleased(gfx::Mouse::Left, x + 7, y + 3), MouseMoved(0, 0)});
        std::string moved;
        for (std::size_t i = 0; i < before.size(); ++i)
        {
            moved += Handles()[i] != before[i] ? names[i] : "";
        }
        EXPECT_EQ(moved, dragged) << name;
        // Whatever moved, the green circle shows where the body now stops.
        ExpectNear(probe.CorrectDest(),
                   BoundedMovement::CorrectDestination(probe.Start(), probe.Dest() - probe.Start(),
                                                       probe.Bound().GetP1(), probe.Bound().GetP2(),
                                                       50.f, probe.CorrectDest()),
                   name);
    }
}

TEST_F(TestBoundedMovementTest, DraggingTheStartCarriesTheDestinationUntilAnyButtonIsReleased)
{
    RunFrame({MousePressed(gfx::Mouse::Left, 100, 100), MouseMoved(110, 100)});
    EXPECT_EQ(probe.Start(), gfx::Vector2f(110, 100));
    EXPECT_EQ(probe.Dest(), gfx::Vector2f(410, 275));
    ExpectNear(probe.CorrectDest(), {367.14f, 250});
    ExpectNear(probe.Movement1().GetP2(), {735.19f, 406.81f});

    // A middle press goes by; beyond the window's edge the pixels are negative and the drag goes
    // on.
    RunFrame({MousePressed(gfx::Mouse::Middle, 110, 100), MouseMoved(-20, 50)});
    ExpectNear(probe.Start(), {-20, 50});
    RunFrame({MouseReleased(gfx::Mouse::Middle, -20, 50), MouseMoved(200, 200)});
    ExpectNear(probe.Start(), {-20, 50});

    scene.Initialize();
    // One unit to the pixel, every pixel is exactly its scene point, so the movement becomes
    // exactly zero, which has no direction. The edge guides keep that of the movement (200, 100).
    RunFrame(
        {MousePressed(gfx::Mouse::Left, 400, 275), MouseMoved(300, 200), MouseMoved(100, 100)});
    EXPECT_EQ(probe.Dest(), gfx::Vector2f(100, 100));
    EXPECT_EQ(probe.CorrectDest(), gfx::Vector2f(100, 100));
    ExpectNear(probe.Movement1().GetP1(), {-77.64f, -44.72f});
    ExpectNear(probe.Movement2().GetP2(), {477.64f, 344.72f});
}

TEST_F(TestBoundedMovementTest, RightDragPansUnderTheCursorAtAnyZoomAndResizeResetsTheView)
{
    // startup-drag-pan.png pans one unit to the pixel; here the view is zoomed in first, and the
    // right button grabs the scene even over the start circle.
    RunFrame({MouseWheelMoved(1, 650, 420)});
    const gfx::Vector2f grabbed = SceneAt(100, 100);
    RunFrame(
        {MousePressed(gfx::Mouse::Right, 100, 100), MouseMoved(300, 250), MouseMoved(350, 300)});
    ExpectNear(SceneAt(350, 300), grabbed);
    EXPECT_EQ(probe.Start(), gfx::Vector2f(100, 100));

    session.Resize(800, 500);
    RunFrame({});
    EXPECT_EQ(probe.View().GetCenter(), gfx::Vector2f(400, 250));
    EXPECT_EQ(probe.View().GetHalfSize(), gfx::Vector2f(400, 250));
}

TEST_F(TestBoundedMovementTest, WheelZoomsWithinAThousandTimesTheFittedViewAndNothingElseActs)
{
    // A step that would leave the range is dropped whole: 1.1^72 = 960 is as far in as steps of
    // 1.1 go, and 130 steps of 0.9 out from there make 888,000 times as much.
    const auto Steps = [&](int delta, int count)
    {
        RunFrame(std::vector<gfx::Event>(count, MouseWheelMoved(delta, 500, 300)));
        return static_cast<double>(HalfWidth());
    };
    const double in = 512.0 / std::pow(1.1, 72);
    EXPECT_NEAR(Steps(1, 5000), in, in * 1e-4);
    const double out = in / std::pow(0.9, 130);
    EXPECT_NEAR(Steps(-1, 5000), out, out * 1e-4);

    // The window reports every step twice, as MouseWheelMoved and as MouseWheelScrolled. Keys
    // and the pointer's coming and going do nothing.
    scene.Initialize();
    const std::vector<gfx::Vector2f> before = Handles();
    RunFrame({MouseWheelMoved(1, 10, 10), MouseWheelScrolled(1.f, 10, 10),
              KeyPressed(gfx::Keyboard::Escape), KeyReleased(gfx::Keyboard::Escape),
              KeyPressed(gfx::Keyboard::PageUp), MouseEntered(), MouseLeft()});
    EXPECT_FLOAT_EQ(HalfWidth(), 512.f / 1.1f);
    EXPECT_EQ(Handles(), before);
    EXPECT_TRUE(scene.IsRunning());
    // Ten steps back at once or more would make the view infinite or mirror it.
    RunFrame(
        {MouseWheelMoved(-1, 10, 10), MouseWheelMoved(-10, 10, 10), MouseWheelMoved(-11, 10, 10)});
    EXPECT_FLOAT_EQ(HalfWidth(), 512.f / 1.1f / 0.9f);

    // Every draw call costs the driver much the same, however little it draws.
    gfx::RenderImage target(1024, 600);
    scene.Render(target);
    target.Display();
    EXPECT_LE(target.GetDrawCalls(), 7u);
}
