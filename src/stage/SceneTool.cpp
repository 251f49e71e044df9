#include "stage/SceneTool.hpp"

#include "main/Application.hpp"
#include "main/DataFolder.hpp"
#include "main/FrameLoop.hpp"
#include "main/ProgramCommandLine.hpp"
#include "main/RunAndReport.hpp"
#include "main/UsageError.hpp"

int SceneTool::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    return RunAndReport("pulsestage-scene", Help(), err,
                        [&]
                        {
                            if (ProgramCommandLine::AnswerHelpOrVersion(arguments, Help(), out))
                            {
                                return 0;
                            }
                            if (arguments.size() != 1)
                            {
                                throw UsageError("expected exactly one argument, the scene's name");
                            }
                            if (arguments[0].rfind("-", 0) == 0)
                            {
                                throw UsageError("unknown option \"" + arguments[0] + "\"");
                            }
                            Application application(DataFolder::OfThisProgram());
                            application.CheckScene(arguments[0]);
                            application.OpenWindow(1024, 600, "SFML Window", 8);
                            application.Start(arguments[0]);
                            application.CheckPictures();
                            return RunFrameLoop(application.GetApp());
                        });
}

std::string SceneTool::Help()
{
    return R"(Usage: pulsestage-scene NAME
       pulsestage-scene --help | --version

Opens the program's window and runs the program's frame loop on the scene NAME instead of the
start-up scene: "TestBoundedMovement" (the start-up scene) or "main". The scenes find their
pictures where pulsestage does (pulsestage --help tells where); it ends with exit code 1 when a
picture the scene needs cannot be loaded. It ends when the window is closed, or when the scene
stops itself (Escape in "main").
)";
}
