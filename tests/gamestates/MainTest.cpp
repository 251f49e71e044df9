#include "gamestates/Main.hpp"

#include "engine/App.hpp"
#include "engine/ImageManager.hpp"
#include "gamestates/MainProbe.hpp"
#include "gfx/Image.hpp"
#include "gfx/RenderImage.hpp"
#include "gfx/RenderWindow.hpp"
#include "stage/SceneSession.hpp"
#include "stage/SyntheticEvents.hpp"
#include "support/Pixels.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace events;
using namespace testing_support;
using gamestates::Main;
using gamestates::MainProbe;
namespace fs = std::filesystem;

namespace
{
const float StartHalfHeight = 600.0f * 500.0f / 1024.0f;

void ExpectVector(const gfx::Vector2f& actual, float x, float y)
{
    EXPECT_FLOAT_EQ(actual.x, x);
    EXPECT_FLOAT_EQ(actual.y, y);
}

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

    // The window pixel over a point of the level.
    static gfx::Vector2f PixelOver(const gfx::View& view, const gfx::Vector2f& level)
    {
        const gfx::FloatRect rect = view.GetRect();
        return gfx::Vector2f((level.x - rect.Left) * 1024.0f / rect.GetWidth(),
                             (level.y - rect.Top) * 600.0f / rect.GetHeight());
    }

    SceneSession session{"main", 1024, 600, 1.0 / 60.0, 7};
    Main& scene = dynamic_cast<Main&>(session.GetScene());
    MainProbe probe{scene};
};
} // namespace

TEST_F(MainScene, ResizeFitsTheLongerSideAndKeepsTheLevelCentre)
{
    ExpectVector(probe.BackgroundView().GetHalfSize(), 500.0f, StartHalfHeight);
    ExpectVector(probe.LevelView().GetHalfSize(), 500.0f, StartHalfHeight);
    Frames(1, 0.25f, {KeyPressed(gfx::Keyboard::Right)});
    const gfx::Vector2f centre = probe.LevelView().GetCenter();

    session.Resize(600, 1024);
    Frames(1, 0.0f, {KeyReleased(gfx::Keyboard::Right)});
    ExpectVector(probe.BackgroundView().GetHalfSize(), 600.0f * 500.0f / 1024.0f, 500.0f);
    ExpectVector(probe.LevelView().GetHalfSize(), 600.0f * 500.0f / 1024.0f, 500.0f);
    ExpectVector(probe.LevelView().GetCenter(), centre.x, centre.y);

    session.Resize(800, 800);
    Frames(1, 0.0f);
    ExpectVector(probe.BackgroundView().GetHalfSize(), 500.0f, 500.0f);
    ExpectVector(probe.LevelView().GetHalfSize(), 500.0f, 500.0f);
}

TEST_F(MainScene, ArrowKeysMoveTheFigureAndTheLevelViewAt200UnitsPerSecond)
{
    Frames(4, 0.25f, {KeyPressed(gfx::Keyboard::Right)});

    ExpectVector(probe.Figur().GetPosition(), 200.0f, 0.0f);
    ExpectVector(probe.LevelView().GetCenter(), 200.0f, 0.0f);

    // Opposite keys cancel; perpendicular ones move diagonally.
    Frames(2, 0.5f,
           {KeyReleased(gfx::Keyboard::Right), KeyPressed(gfx::Keyboard::Up),
            KeyPressed(gfx::Keyboard::Down)});
    ExpectVector(probe.Figur().GetPosition(), 200.0f, 0.0f);
    Frames(1, 0.5f, {KeyReleased(gfx::Keyboard::Down), KeyPressed(gfx::Keyboard::Left)});
    ExpectVector(probe.Figur().GetPosition(), 100.0f, -100.0f);
}

TEST_F(MainScene, PageKeysZoomOnlyTheBackgroundUntilTheNextResize)
{
    Frames(1, 0.01f, {KeyPressed(gfx::Keyboard::PageUp)});
    ExpectVector(probe.BackgroundView().GetHalfSize(), 500.0f / 1.1f, StartHalfHeight / 1.1f);
    ExpectVector(probe.LevelView().GetHalfSize(), 500.0f, StartHalfHeight);

    Frames(1, 0.01f, {KeyReleased(gfx::Keyboard::PageUp), KeyPressed(gfx::Keyboard::PageDown)});
    EXPECT_NEAR(probe.BackgroundView().GetHalfSize().x, 500.0f, 1e-3f);

    // Both held: every key press applies both zooms, which cancel.
    Frames(1, 0.01f, {KeyPressed(gfx::Keyboard::PageUp), KeyPressed(gfx::Keyboard::PageUp)});
    EXPECT_NEAR(probe.BackgroundView().GetHalfSize().x, 500.0f, 1e-3f);

    Frames(1, 0.01f, {KeyReleased(gfx::Keyboard::PageDown), KeyPressed(gfx::Keyboard::A)});
    session.Resize(1024, 600);
    Frames(1, 0.01f);
    ExpectVector(probe.BackgroundView().GetHalfSize(), 500.0f, StartHalfHeight);
}

TEST_F(MainScene, ZoomStaysWithinAThousandTimesTheFittedSizeEitherWay)
{
    // A held key repeats its press. 1.1^72 = 960 is as far as steps of 1.1 go within 1000.
    const auto Hold = [&](gfx::Keyboard::Key key, int presses)
    {
        for (int i = 0; i < presses; ++i)
        {
            session.Queue(KeyPressed(key));
        }
        Frames(1, 0.01f, {KeyReleased(key)});
        return probe.BackgroundView().GetHalfSize();
    };
    const auto ExpectScaled = [](const gfx::Vector2f& halfSize, double scale)
    {
        EXPECT_NEAR(halfSize.x, 500.0 * scale, 500.0 * scale * 1e-4);
        EXPECT_NEAR(halfSize.y, StartHalfHeight * scale, StartHalfHeight * scale * 1e-4);
    };
    const double furthest = std::pow(1.1, 72);
    ExpectScaled(Hold(gfx::Keyboard::PageUp, 5000), 1.0 / furthest);
    ExpectScaled(Hold(gfx::Keyboard::PageDown, 5000), furthest);
    ExpectScaled(Hold(gfx::Keyboard::PageUp, 72), 1.0);

    const gfx::Image frame =
        RenderOffscreen(1024, 600, [this](gfx::RenderTarget& target) { scene.Render(target); });
    EXPECT_EQ(CountPixels(frame, gfx::Color(0, 128, 128, 255)), 0u) << "the grid covers it";
}

TEST_F(MainScene, EscapeStopsTheSceneBeforeTheZoomKeysAreRead)
{
    Frames(1, 0.01f,
           {KeyPressed(gfx::Keyboard::PageUp), KeyPressed(gfx::Keyboard::Escape),
            KeyPressed(gfx::Keyboard::A)});

    EXPECT_FALSE(scene.IsRunning());
    // Only the press before Escape zoomed.
    ExpectVector(probe.BackgroundView().GetHalfSize(), 500.0f / 1.1f, StartHalfHeight / 1.1f);
}

TEST_F(MainScene, CursorFollowsTheMouseAndLeavesAndEntersWithIt)
{
    Frames(1, 0.01f, {MouseMoved(300, 200), MouseLeft()});
    EXPECT_EQ(probe.CursorListings(), 0);
    ExpectVector(probe.Cursor().GetPosition(), 300.0f, 200.0f);

    Frames(1, 0.01f, {MouseMoved(310, 210), MouseEntered()});
    EXPECT_EQ(probe.CursorListings(), 1);

    Frames(1, 0.01f, {MouseEntered()});
    EXPECT_EQ(probe.CursorListings(), 2);

    // It spins a full turn a second and pulses with the scale beat.
    const float rotation = probe.Cursor().GetRotation();
    Frames(1, 0.25f);
    EXPECT_NEAR(probe.Cursor().GetRotation(), std::fmod(rotation + 90.0f, 360.0f), 1e-3f);
    const float scale = probe.Cursor().GetScale().x;
    EXPECT_GE(scale, 0.9f);
    EXPECT_LE(scale, 1.1f);
    EXPECT_NE(scale, 1.0f);
}

TEST_F(MainScene, SystemPointerShowsOnlyWhereTheCursorPictureCannotBeDrawn)
{
    const gfx::RenderWindow& window = session.GetStage().GetWindow();
    EXPECT_FALSE(window.IsMouseCursorVisible());

    // The scene built again from a folder that holds nothing but a damaged cursor picture.
    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-bad-cursor-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "cursor.png") << "not a picture";
    ImageManager broken(folder.string() + "/");
    App& app = session.GetStage().GetApp();
    ImageManager* const pictures = app.mImageManager;
    app.mImageManager = &broken;
    scene.Cleanup();
    scene.Initialize();
    app.mImageManager = pictures;
    fs::remove_all(folder);
    EXPECT_TRUE(window.IsMouseCursorVisible());
    Frames(2, 0.01f, {MouseMoved(300, 200)});
}

TEST_F(MainScene, FigureIsOpaqueOnlyOverItsOpaquePixels)
{
    // The figure's picture has alpha 255 on its body, 200 on the scarf's loose end
    // (x 47 to 51, y 25 to 28) and 128 in its shadow (x 13 to 19, y 90 to 92).
    const gfx::Vector2f topLeft = probe.Figur().GetPosition() - probe.Figur().GetCenter();
    const auto alphaWithMouseOver = [&](float localX, float localY)
    {
        const gfx::Vector2f pixel =
            PixelOver(probe.LevelView(), topLeft + gfx::Vector2f(localX, localY));
        Frames(1, 0.01f, {MouseMoved(static_cast<int>(pixel.x), static_cast<int>(pixel.y))});
        return probe.Figur().GetColor().a;
    };

    EXPECT_EQ(alphaWithMouseOver(49.5f, 26.5f), 255);
    EXPECT_EQ(alphaWithMouseOver(16.5f, 91.5f), 128);
    EXPECT_EQ(alphaWithMouseOver(-20.0f, 10.0f), 128);
    EXPECT_EQ(alphaWithMouseOver(32.0f, 48.0f), 255);
}

TEST_F(MainScene, ReadoutShowsTheTruncatedFrameRate)
{
    Frames(1, 0.016f);
    EXPECT_EQ(probe.FPS().String.GetText(), "FPS: 62");

    // A frame measured as taking no time has no finite rate: the last read-out stays.
    Frames(1, 0.0f);
    EXPECT_EQ(probe.FPS().String.GetText(), "FPS: 62");
}

TEST_F(MainScene, LabelsCursorAndShelvesFollowTheMainBeat)
{
    Frames(30, 1.0f / 60.0f);
    const double t = 0.5;
    // The beat is sin(4.6 t). Its rotation variation turns 5 sin(2.3 t) degrees and its scale
    // variation is 1 + 0.1 sin(4.6 t); a label breathes one and a half times as fast.
    EXPECT_NEAR(probe.Hallo().String.GetRotation(), 5.0 * std::sin(2.3 * t), 1e-3);
    EXPECT_NEAR(probe.Hallo().String.GetScale().x, 1.0 + 0.1 * std::sin(6.9 * t), 1e-5);
    EXPECT_NEAR(probe.Cursor().GetScale().x, 1.0 + 0.1 * std::sin(4.6 * t), 1e-5);
    EXPECT_NEAR(probe.Hallo().GetRotation(), 330.0f, 1e-4) << "leaning 30 degrees clockwise";

    // The second shelf dances shifted against the first by a random part of a period.
    EXPECT_EQ(probe.Shelf1().Dance.GetPhaseOffsetVariation(), 0.0f);
    const float shift = probe.Shelf2().Dance.GetPhaseOffsetVariation();
    EXPECT_TRUE(shift != 0.0f && shift >= -1.0f && shift <= 1.0f) << shift;
}

TEST_F(MainScene, CanBeInitialisedAgainAfterCleanup)
{
    ImageManager& images = *session.GetStage().GetApp().mImageManager;
    gfx::Image* figure = images.Get("figur.png");
    scene.Cleanup();
    EXPECT_GT(figure->GetWidth(), 0u) << "images belong to the image manager";

    scene.Initialize();
    Frames(2, 0.02f);
    EXPECT_NE(images.Get("figur.png"), figure) << "the pictures are loaded anew";
}

namespace
{
bool IsLight(const gfx::Color& color)
{
    return color.r > 200 && color.g > 200 && color.b > 200;
}

// How many light (text) pixels lie within the given distance of a window point.
int LightPixelsNear(const gfx::Image& image, int x, int y, int distance)
{
    int count = 0;
    for (int py = std::max(0, y - distance); py <= std::min(599, y + distance); ++py)
    {
        for (int px = std::max(0, x - distance); px <= std::min(1023, x + distance); ++px)
        {
            count += IsLight(image.GetPixel(px, py)) ? 1 : 0;
        }
    }
    return count;
}
} // namespace

TEST_F(MainScene, FrameShowsGridFigureShelfBoxAndLabels)
{
    Frames(30, 1.0f / 60.0f);
    const gfx::Image frame =
        RenderOffscreen(1024, 600, [this](gfx::RenderTarget& target) { scene.Render(target); });

    // The grid covers the whole window: no clear colour is left.
    EXPECT_EQ(CountPixels(frame, gfx::Color(0, 128, 128, 255)), 0u);
    const gfx::Color corner = frame.GetPixel(5, 595);
    EXPECT_GT(corner.b, 140);
    EXPECT_LT(corner.r, 110);

    // The first shelf's box stands tall and narrow right of the figure: from about x 576 to 653
    // and y 146 to 402, its 5-unit black outline outside that.
    const gfx::Color black(0, 0, 0, 255);
    EXPECT_EQ(frame.GetPixel(573, 270), black);
    EXPECT_EQ(frame.GetPixel(655, 270), black);
    EXPECT_EQ(frame.GetPixel(615, 143), black);
    EXPECT_EQ(frame.GetPixel(615, 405), black);
    EXPECT_NE(frame.GetPixel(615, 270), black);
    EXPECT_NE(frame.GetPixel(573, 130), black);

    EXPECT_GT(LightPixelsNear(frame, 100, 100, 40), 50) << "FPS label";
    EXPECT_GT(LightPixelsNear(frame, 924, 100, 40), 50) << "Hallo label";
    EXPECT_GT(LightPixelsNear(frame, 512, 500, 40), 50) << "long label";
    EXPECT_EQ(LightPixelsNear(frame, 300, 300, 40), 0);
}

// Every draw call costs the driver much the same, however little it draws.
TEST_F(MainScene, AFrameTakesAtMost30DrawCalls)
{
    Frames(2, 1.0f / 60.0f);
    gfx::RenderImage target(1024, 600);
    scene.Render(target);
    target.Display();
    EXPECT_LE(target.GetDrawCalls(), 30u);
}
