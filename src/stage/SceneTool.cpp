#include "stage/SceneTool.hpp"

#include "main/Application.hpp"
#include "main/CommandLine.hpp"
#include "main/DataFolder.hpp"
#include "main/FrameLoop.hpp"
#include "main/UsageError.hpp"

#include <CLI/CLI.hpp>

namespace
{
const char* const Description =
    R"(Opens the program's window and runs the program's frame loop on the scene NAME instead of the
start-up scene: "TestBoundedMovement" (the start-up scene) or "main". The scenes find their
pictures where pulsestage does (pulsestage --help tells where); it ends with exit code 1 when a
picture the scene needs cannot be loaded. It ends when the window is closed, or when the scene
stops itself (Escape in "main").)";
} // namespace

int SceneTool::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine("pulsestage-scene", "NAME", Description);
    GameStateID scene;
    commandLine.GetOptions().add_option("NAME", scene, "the scene to run");
    return commandLine.Run(arguments, out, err,
                           [&]
                           {
                               if (scene.empty())
                               {
                                   throw UsageError("name the scene to run");
                               }
                               Application application(DataFolder::OfThisProgram());
                               application.CheckScene(scene);
                               application.OpenWindow(1024, 600, "SFML Window", 8);
                               application.Start(scene);
                               application.CheckPictures();
                               return RunFrameLoop(application.GetApp());
                           });
}
