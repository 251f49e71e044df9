#include "stage/ShotTool.hpp"

#include "gfx/Err.hpp"
#include "gfx/Image.hpp"
#include "main/BuildInfo.hpp"
#include "main/RunAndReport.hpp"
#include "stage/GifRecorder.hpp"
#include "stage/InputScript.hpp"
#include "stage/SceneSession.hpp"
#include "stage/ShotOptions.hpp"

#include <filesystem>
#include <optional>
#include <stdexcept>

namespace
{
void Shoot(const ShotOptions& options)
{
    // Read before any window opens, so that a wrong line costs nothing.
    const InputScript script =
        options.Script.empty() ? InputScript() : InputScript::Load(options.Script);
    if (!options.Gif.empty())
    {
        GifRecorder::CheckRecordable(script, options.Script);
    }
    SceneSession session(options.Scene, options.Width, options.Height, options.FrameTime,
                         options.Seed);
    session.GetApplication().CheckPictures();
    // After the scene is known to exist, before any frame is drawn.
    std::optional<GifRecorder> recorder;
    if (!options.Gif.empty())
    {
        recorder.emplace(options.Gif, options.Every, options.FrameTime);
        session.SetFrameObserver([&] { recorder->FrameRan(session); });
    }
    session.Play(script, options.Frames);
    if (!session.IsRunning())
    {
        gfx::Err() << "the scene stopped itself in frame " << session.GetFramesRun()
                   << "; the capture ends with that frame" << std::endl;
    }
    // The files are put in place only now, when everything else has worked.
    if (recorder)
    {
        recorder->Finish(session);
    }
    if (!options.Out.empty() && !session.Snapshot().SaveToFile(options.Out))
    {
        // Half of what was asked for is a failure all the same.
        if (recorder)
        {
            std::filesystem::remove(options.Gif);
        }
        throw std::runtime_error("cannot write the picture to \"" + options.Out + "\"");
    }
}
} // namespace

int ShotTool::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    return RunAndReport("pulsestage-shot", "(pulsestage-shot --help tells more)\n", err,
                        [&]
                        {
                            const ShotOptions options = ShotOptions::Parse(arguments);
                            if (options.ShowHelp)
                            {
                                out << ShotOptions::Help();
                                return 0;
                            }
                            if (options.ShowVersion)
                            {
                                out << BuildInfo::VersionLine() << "\n";
                                return 0;
                            }
                            Shoot(options);
                            return 0;
                        });
}
