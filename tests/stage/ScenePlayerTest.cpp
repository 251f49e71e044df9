// The player driven through synthetic window events, as the window system would deliver them,
// and its recording replayed by pulsestage-shot as a user would run it.
#include "stage/ScenePlayer.hpp"

#include "gfx/Image.hpp"
#include "pulse/PulseGenerator.hpp"
#include "stage/Inspector.hpp"
#include "stage/ScenePulses.hpp"
#include "stage/SyntheticEvents.hpp"
#include "support/ChildProcess.hpp"
#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace events;
using K = gfx::Keyboard;
using testing_support::ChildProcess;
using testing_support::ExactPulse;
using testing_support::FileContents;

namespace
{
// A player on the main scene in a small window, fed from a queue of events.
class Session
{
public:
    Session(const fs::path& folder, const std::string& record)
        : myPlayer(Options(folder, record), myOut)
    {
        myPlayer.SetEventSource(
            [this](gfx::Event& event)
            {
                if (myEvents.empty())
                {
                    return false;
                }
                event = myEvents.front();
                myEvents.pop_front();
                return true;
            });
    }

    // The events reach the player in the next frame, which takes the seconds given.
    void Frame(double seconds, std::initializer_list<gfx::Event> events = {})
    {
        myEvents.insert(myEvents.end(), events);
        ASSERT_TRUE(myPlayer.RunFrame(seconds));
    }
    void Press(K::Key key, double seconds) { Frame(seconds, {KeyPressed(key), KeyReleased(key)}); }

    // The main beat's clock and pulse.
    const PulseGenerator& Beat() { return *ScenePulses(myPlayer.GetScene()).Find("main"); }

    ScenePlayer& Player() { return myPlayer; }
    std::string Out() const { return myOut.str(); }

private:
    static ScenePlayer::Options Options(const fs::path& folder, const std::string& record)
    {
        ScenePlayer::Options options;
        options.Scene = "main";
        options.Width = 320;
        options.Height = 200;
        options.Record = record;
        options.Screenshots = folder;
        options.Seed = 7;
        return options;
    }

    std::ostringstream myOut;
    ScenePlayer myPlayer;
    std::deque<gfx::Event> myEvents;
};

class ScenePlayerTest : public ::testing::Test
{
protected:
    ScenePlayerTest() { fs::create_directories(folder); }
    ~ScenePlayerTest() override { fs::remove_all(folder); }

    const fs::path folder =
        fs::temp_directory_path() / ("pulsestage-player-" + std::to_string(getpid()));
};
} // namespace

TEST_F(ScenePlayerTest, APausedSteppedAndEditedSessionReplaysToTheFrameTheWindowShowed)
{
    const std::string script = (folder / "session.script").string();
    {
        Session session(folder, script);
        session.Frame(0.02, {MouseEntered(), MouseMoved(160, 100), KeyPressed(K::Right)});
        session.Frame(0.025);
        // Paused frames take no time, whatever they last; the scene still hears its keys.
        session.Press(K::Space, 0.5);
        session.Frame(0.3, {KeyReleased(K::Right), KeyPressed(K::PageUp)});
        EXPECT_TRUE(session.Player().IsPaused());
        EXPECT_EQ(session.Beat().GetTime(), static_cast<float>(0.02 + 0.025));
        // A step is one frame of 1/60 s.
        session.Press(K::Period, 0.4);
        EXPECT_EQ(session.Beat().GetTime(), static_cast<float>(0.02 + 0.025 + 1.0 / 60.0));
        session.Player().GetInspector().Change("main", PulseParameter::Factor, 2.0f);
        session.Press(K::Space, 0.03);
        const double time = 0.02 + 0.025 + 1.0 / 60.0 + 0.03;
        EXPECT_EQ(session.Beat().GetPulse(), ExactPulse(4.6f, 0.0f, 2.0f, 0.0f, time));
        session.Frame(0.04, {MouseMoved(200, 120)});
        session.Press(K::F12, 0.02);
        session.Player().Finish();
        EXPECT_EQ(session.Out(), (folder / "pulsestage-main-1.png").string() + "\n");
    }
    const std::string recorded = FileContents(script);
    // The player's own keys are not the scene's.
    EXPECT_EQ(recorded.find("Space"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nstep\nset factor 2 main\nresume\n"), std::string::npos) << recorded;

    // Drawn as the window drew, with the window's own antialiasing.
    const std::string replay = (folder / "replay.png").string();
    ChildProcess shot(PULSESTAGE_SHOT_BINARY, {"--scene", "main", "--size", "320x200", "--script",
                                               script, "--window-pixels", "--out", replay});
    ASSERT_EQ(shot.ExitCode(), 0) << shot.Errors();
    gfx::Image live;
    gfx::Image replayed;
    ASSERT_TRUE(live.LoadFromFile((folder / "pulsestage-main-1.png").string()));
    ASSERT_TRUE(replayed.LoadFromFile(replay));
    EXPECT_TRUE(testing_support::Alike(live, replayed, "player-replay"));

    // A pulse the scene does not have is found only once the scene runs, and still nothing is
    // written.
    std::ofstream(script, std::ios::app) << "set offset 1 main beat\n";
    ChildProcess wrong(PULSESTAGE_SHOT_BINARY,
                       {"--scene", "main", "--script", script, "--out", replay + ".png"});
    EXPECT_EQ(wrong.ExitCode(), 2);
    const auto lines = std::count(recorded.begin(), recorded.end(), '\n');
    EXPECT_NE(wrong.Errors().find(script + " line " + std::to_string(lines + 1) +
                                  ": the scene \"main\" has no pulse named \"main beat\""),
              std::string::npos)
        << wrong.Errors();
    EXPECT_FALSE(fs::exists(replay + ".png"));
}

TEST_F(ScenePlayerTest, TheInspectorShownAndHiddenAgainLeavesTheFramesAsTheyWere)
{
    for (const bool inspected : {false, true})
    {
        Session session(folder, "");
        session.Frame(0.02, {MouseEntered(), MouseMoved(300, 190)});
        if (inspected)
        {
            session.Press(K::F1, 0.02);
            session.Frame(0.02);
            EXPECT_TRUE(session.Player().IsInspectorShown());
            session.Press(K::F1, 0.02);
        }
        else
        {
            session.Frame(0.06);
        }
        session.Press(K::F12, 0.02);
    }
    EXPECT_EQ(FileContents(folder / "pulsestage-main-1.png"),
              FileContents(folder / "pulsestage-main-2.png"));
}
