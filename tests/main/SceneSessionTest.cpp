#include "main/SceneSession.hpp"

#include "main/InputScript.hpp"
#include "main/UsageError.hpp"
#include "support/PictureComparison.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

using testing_support::ComparePictures;

namespace
{
InputScript Script(const std::string& text)
{
    std::istringstream stream(text);
    return InputScript::Parse(stream);
}

gfx::Image Picture(const GameStateID& scene, unsigned int seed, const std::string& script,
                   int frames)
{
    SceneSession session(scene, 320, 200, 1.0 / 60.0, seed);
    session.Play(Script(script), frames);
    return session.Snapshot();
}

// Whether a pixel within two of (x, y) is black or nearly so; the circles' outlines are
// antialiased.
bool HasBlackNear(const gfx::Image& picture, unsigned int x, unsigned int y)
{
    for (unsigned int py = y - 2; py <= y + 2; ++py)
    {
        for (unsigned int px = x - 2; px <= x + 2; ++px)
        {
            const gfx::Color color = picture.GetPixel(px, py);
            if (color.r < 100 && color.g < 100 && color.b < 100)
            {
                return true;
            }
        }
    }
    return false;
}

int FramesRun(const std::string& script, int leastFrames)
{
    SceneSession session("TestBoundedMovement", 320, 200, 1.0 / 60.0, 1);
    session.Play(Script(script), leastFrames);
    return session.GetFramesRun();
}
} // namespace

TEST(SceneSession, AnUnknownSceneIsAUsageError)
{
    EXPECT_THROW(SceneSession("nowhere", 320, 200, 0.1, 1), UsageError);
}

TEST(SceneSession, TheSameRunGivesTheSamePicture)
{
    // The main scene animates with time and draws its background at random.
    const std::string script = "move 160 100\nkeydown Right\nframes 10\nkey PageDown";
    const gfx::Image first = Picture("main", 5, script, 20);
    const gfx::Image second = Picture("main", 5, script, 20);
    const auto difference = ComparePictures(first, second);
    ASSERT_TRUE(difference.SameSize);
    EXPECT_EQ(difference.DifferentPixels, 0u);

    EXPECT_GT(ComparePictures(first, Picture("main", 6, script, 20)).DifferentPixels, 1000u)
        << "another seed lays out another background";
}

TEST(SceneSession, RunsAtLeastTheFramesAskedAndOneMoreForLeftoverInput)
{
    EXPECT_EQ(FramesRun("", 1), 1);
    EXPECT_EQ(FramesRun("", 7), 7);
    EXPECT_EQ(FramesRun("frames 3", 2), 3) << "the script may need more frames";
    EXPECT_EQ(FramesRun("frames 3\nmove 1 1", 2), 4) << "the move needs a frame of its own";
    EXPECT_EQ(FramesRun("frames 3\nmove 1 1", 10), 10);
}

TEST(SceneSession, ASceneThatStopsItselfEndsTheRun)
{
    SceneSession session("main", 320, 200, 1.0 / 60.0, 1);
    session.Play(Script("frames 2\nkey Escape\nframes 5\nmove 3 3"), 20);
    EXPECT_FALSE(session.IsRunning());
    EXPECT_EQ(session.GetFramesRun(), 3);
    EXPECT_EQ(session.Snapshot().GetWidth(), 320u) << "its last frame can still be drawn";
}

TEST(SceneSession, AResizeStepResizesTheWindowAndThePicture)
{
    SceneSession session("TestBoundedMovement", 320, 200, 1.0 / 60.0, 1);
    session.Play(Script("resize 400 300\nframes 1\nresize 400 300"), 1);
    const gfx::Image picture = session.Snapshot();
    EXPECT_EQ(picture.GetWidth(), 400u);
    EXPECT_EQ(picture.GetHeight(), 300u);
}

TEST(SceneSession, AScriptedDragMovesWhatTheUserWouldMove)
{
    // In a 320 x 200 window the start-up scene shows its points one unit to the pixel: the black
    // start circle of radius 50 is centred on (100, 100). Dragged by (50, 20), its leftmost
    // point moves from (50, 100) to (100, 120), far from the blue guides either way.
    const gfx::Image before = Picture("TestBoundedMovement", 1, "", 1);
    EXPECT_TRUE(HasBlackNear(before, 50, 100));
    EXPECT_FALSE(HasBlackNear(before, 100, 120));

    const gfx::Image after = Picture("TestBoundedMovement", 1,
                                     "press left 100 100\nframes 1\nmove 130 110\nframes 1\n"
                                     "move 150 120\nrelease left 150 120",
                                     1);
    EXPECT_FALSE(HasBlackNear(after, 50, 100));
    EXPECT_TRUE(HasBlackNear(after, 100, 120));
}
