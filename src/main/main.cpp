#include "gfx/Err.hpp"
#include "main/Application.hpp"
#include "main/DataFolder.hpp"
#include "main/FrameLoop.hpp"
#include "main/ProgramCommandLine.hpp"
#include "main/RunAndReport.hpp"

#include <iostream>

namespace
{
int RunProgram()
{
    // The start-up scene draws no pictures: without them the program runs all the same.
    const DataFolder& data = DataFolder::OfThisProgram();
    if (!data.IsFound())
    {
        gfx::Err() << data.GetProblem() << std::endl;
    }
    // Never destroyed: the application lives, reachable, until the process ends.
    static Application* const application = new Application(data);
    application->OpenWindow(1024, 600, "SFML Window", 8);
    application->Start("TestBoundedMovement");
    return RunFrameLoop(application->GetApp());
}
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunAndReport(
        "pulsestage", ProgramCommandLine::Usage(), std::cerr,
        [&] { return ProgramCommandLine::Answer(arguments, std::cout) ? 0 : RunProgram(); });
}
