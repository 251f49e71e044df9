#include "gamestates/Main.hpp"

#include "engine/App.hpp"
#include "engine/ImageManager.hpp"
#include "gamestates/MainProbe.hpp"
#include "gfx/Image.hpp"
#include "gfx/RenderImage.hpp"
#include "gfx/RenderWindow.hpp"
#include "stage/SceneSession.hpp"
#include "stage/SyntheticEvents.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace events;
using gamestates::MainProbe;

namespace
{
// The main scene in a 1024 x 600 window, with seeded random numbers, on a clock that moves only
// by the frame times the test gives.
class MainScene : public ::testing::Test
{
protected:
    // Runs frames of the given length with the given events queued before the first.
    void Frames(int count, float seconds, std::initializer_list<gfx::Event> events = {})
    {
        session.SetFrameTime(seconds);
        for (const gfx::Event& event : events)
        {
            session.Queue(event);
        }
        session.RunFrames(count);
    }

    void ExpectHalfSizes(float x, float y) const
    {
        for (const gfx::View* view : {&probe.BackgroundView(), &probe.LevelView()})
        {
            EXPECT_FLOAT_EQ(view->GetHalfSize().x, x);
            EXPECT_FLOAT_EQ(view->GetHalfSize().y, y);
        }
    }

    SceneSession session{"main", 1024, 600, 1.0 / 60.0, 7};
    gamestates::Main& scene = dynamic_cast<gamestates::Main&>(session.GetScene());
    MainProbe probe{scene};
};
} // namespace

TEST_F(MainScene, ArrowKeysMoveTheFigureAndItsViewAt200UnitsASecondAndAResizeKeepsThem)
{
    ExpectHalfSizes(500.f, 600.f * 500.f / 1024.f);
    // Opposite keys cancel; main-arrows.png shows perpendicular ones moving diagonally.
    Frames(4, 0.25f,
           {KeyPressed(gfx::Keyboard::Right), KeyPressed(gfx::Keyboard::Up),
            KeyPressed(gfx::Keyboard::Down), KeyPressed(gfx::Keyboard::PageUp)});
    EXPECT_EQ(probe.Figur().GetPosition(), gfx::Vector2f(200.f, 0.f));
    Frames(1, 0.5f, {KeyReleased(gfx::Keyboard::Down), KeyPressed(gfx::Keyboard::Left)});
    EXPECT_EQ(probe.Figur().GetPosition(), gfx::Vector2f(200.f, -100.f));
    EXPECT_EQ(probe.LevelView().GetCenter(), gfx::Vector2f(200.f, -100.f));

    // The longer side spans a thousand units again, whatever the zoom.
    session.Resize(600, 1024);
    Frames(1, 0.f);
    ExpectHalfSizes(600.f * 500.f / 1024.f, 500.f);
    EXPECT_EQ(probe.LevelView().GetCenter(), gfx::Vector2f(200.f, -100.f));
    session.Resize(800, 800);
    Frames(1, 0.f);
    ExpectHalfSizes(500.f, 500.f);
}

TEST_F(MainScene, PageKeysZoomOnlyTheBackgroundWithinAThousandTimesEitherWay)
{
    Frames(1, 0.01f, {KeyPressed(gfx::Keyboard::PageUp)});
    EXPECT_FLOAT_EQ(probe.BackgroundView().GetHalfSize().x, 500.f / 1.1f);
    EXPECT_FLOAT_EQ(probe.LevelView().GetHalfSize().x, 500.f);

    // A held key repeats its press. 1.1^72 = 960 is as far as steps of 1.1 go within 1000.
    const auto Hold = [&](gfx::Keyboard::Key key)
    {
        for (int i = 0; i < 5000; ++i)
        {
            session.Queue(KeyPressed(key));
        }
        Frames(1, 0.01f, {KeyReleased(key)});
        return static_cast<double>(probe.BackgroundView().GetHalfSize().x);
    };
    const double furthest = std::pow(1.1, 72);
    EXPECT_NEAR(Hold(gfx::Keyboard::PageUp), 500.0 / furthest, 500.0 / furthest * 1e-4);
    EXPECT_NEAR(Hold(gfx::Keyboard::PageDown), 500.0 * furthest, 500.0 * furthest * 1e-4);

    // Escape stops the scene before the zoom keys are read: only the press before it zooms.
    Frames(1, 0.01f,
           {KeyPressed(gfx::Keyboard::PageUp), KeyPressed(gfx::Keyboard::Escape),
            KeyPressed(gfx::Keyboard::PageUp)});
    EXPECT_FALSE(scene.IsRunning());
    EXPECT_NEAR(probe.BackgroundView().GetHalfSize().x, 500.0 * furthest / 1.1,
                500.0 * furthest * 1e-4);
}

TEST_F(MainScene, CursorFollowsTheMouseLeavesAndEntersWithItAndSpinsATurnASecond)
{
    Frames(1, 0.01f, {MouseMoved(300, 200), MouseLeft()});
    EXPECT_EQ(probe.CursorListings(), 0);
    EXPECT_EQ(probe.Cursor().GetPosition(), gfx::Vector2f(300.f, 200.f));
    Frames(1, 0.01f, {MouseEntered()});
    EXPECT_EQ(probe.CursorListings(), 1);
    Frames(1, 0.01f, {MouseEntered()});
    EXPECT_EQ(probe.CursorListings(), 2);

    const float rotation = probe.Cursor().GetRotation();
    Frames(1, 0.25f);
    EXPECT_NEAR(probe.Cursor().GetRotation(), std::fmod(rotation + 90.f, 360.f), 1e-3f);
}

TEST_F(MainScene, SystemPointerShowsOnlyWhereTheCursorPictureCannotBeDrawn)
{
    const gfx::RenderWindow& window = session.GetApplication().GetWindow();
    EXPECT_FALSE(window.IsMouseCursorVisible());

    // The scene built again where no picture can be loaded, and run.
    ImageManager none("no-such-folder/");
    App& app = session.GetApplication().GetApp();
    ImageManager* const pictures = app.mImageManager;
    app.mImageManager = &none;
    scene.Cleanup();
    scene.Initialize();
    app.mImageManager = pictures;
    EXPECT_TRUE(window.IsMouseCursorVisible());
    Frames(2, 0.01f, {MouseMoved(300, 200)});
}

TEST_F(MainScene, FigureIsOpaqueOnlyWithTheMouseOverOneOfItsPixelsOfAlphaAbove128)
{
    // At 1000 x 600 a level unit is a pixel, and the figure of 64 x 96 is centred on (500, 300).
    session.Resize(1000, 600);
    const auto AlphaOver = [&](int x, int y)
    {
        Frames(1, 0.01f, {MouseMoved(468 + x, 252 + y)});
        return probe.Figur().GetColor().a;
    };
    // Its picture has alpha 200 on the scarf's loose end and 128 in its shadow. Its left and top
    // edges, made opaque here, lie outside it.
    gfx::Image& picture = *session.GetApplication().GetApp().mImageManager->Get("figur.png");
    picture.SetPixel(0, 40, gfx::Color(0, 0, 0, 255));
    picture.SetPixel(40, 0, gfx::Color(0, 0, 0, 255));
    EXPECT_EQ(AlphaOver(49, 26), 255);
    EXPECT_EQ(AlphaOver(16, 91), 128);
    EXPECT_EQ(AlphaOver(0, 40), 128);
    EXPECT_EQ(AlphaOver(40, 0), 128);
}

TEST_F(MainScene, LabelsCursorAndShelvesFollowTheBeatInAtMost30DrawCallsUnderATruncatedRate)
{
    Frames(30, 1.f / 60.f);
    const double t = 0.5;
    // The beat is sin(4.6 t). Its rotation variation turns 5 sin(2.3 t) degrees and its scale
    // variation is 1 + 0.1 sin(4.6 t); a label breathes one and a half times as fast.
    EXPECT_NEAR(probe.Hallo().String.GetRotation(), 5.0 * std::sin(2.3 * t), 1e-3);
    EXPECT_NEAR(probe.Hallo().String.GetScale().x, 1.0 + 0.1 * std::sin(6.9 * t), 1e-5);
    EXPECT_NEAR(probe.Cursor().GetScale().x, 1.0 + 0.1 * std::sin(4.6 * t), 1e-5);
    EXPECT_NEAR(probe.Hallo().GetRotation(), 330.f, 1e-4) << "leaning 30 degrees clockwise";
    // The second shelf dances shifted against the first by a random part of a period.
    const float shift = probe.Shelf2().Dance.GetPhaseOffsetVariation();
    EXPECT_TRUE(shift != 0.f && shift >= -1.f && shift <= 1.f) << shift;

    // Every draw call costs the driver much the same, however little it draws.
    gfx::RenderImage target(1024, 600);
    scene.Render(target);
    target.Display();
    EXPECT_LE(target.GetDrawCalls(), 30u);

    // 1 / 0.017 = 58.8. A frame measured as taking no time has no finite rate: the last stays.
    Frames(1, 0.017f);
    Frames(1, 0.f);
    EXPECT_EQ(probe.FPS().String.GetText(), "FPS: 58");
}
