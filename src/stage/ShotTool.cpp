#include "stage/ShotTool.hpp"

#include "gfx/Image.hpp"
#include "main/BuildInfo.hpp"
#include "main/RunAndReport.hpp"
#include "stage/InputScript.hpp"
#include "stage/SceneSession.hpp"
#include "stage/ShotOptions.hpp"

#include <stdexcept>

namespace
{
void Shoot(const ShotOptions& options, std::ostream& err)
{
    // Read before any window opens, so that a wrong line costs nothing.
    const InputScript script =
        options.Script.empty() ? InputScript() : InputScript::Load(options.Script);
    SceneSession session(options.Scene, options.Width, options.Height, options.FrameTime,
                         options.Seed);
    session.GetStage().CheckPictures();
    session.Play(script, options.Frames);
    if (!session.IsRunning())
    {
        err << "pulsestage-shot: the scene stopped itself in frame " << session.GetFramesRun()
            << "; the picture shows that frame\n";
    }
    // The file is touched only now, when everything else has worked.
    if (!session.Snapshot().SaveToFile(options.Out))
    {
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
                            Shoot(options, err);
                            return 0;
                        });
}
