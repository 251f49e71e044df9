#include "gfx/Err.hpp"
#include "main/Application.hpp"
#include "main/CommandLine.hpp"
#include "main/DataFolder.hpp"
#include "main/FrameLoop.hpp"

#include <iostream>

namespace
{
const char* const Description =
    R"(Opens a window of 1024 x 600 pixels on the start-up scene: a round body of radius 50 moves from
the black start circle towards the red destination circle, and the black boundary stops it where
the green circle shows. Drag the destination, the start or an end of the boundary with the left
button, pan with the right button, zoom with the wheel; resizing the window resets the view.
Closing the window ends the program.

The pictures of the scenes are looked for in the folder that PULSESTAGE_DATA names, then in
resources/ of the working folder, then in ../share/pulsestage beside the program, then in the
folder it was installed to. pulsestage-scene shows the other scene, pulsestage-shot draws a scene
into a picture; both say more with --help.)";

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
    CommandLine commandLine("pulsestage", "[--help | --version]", Description);
    return commandLine.Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           RunProgram);
}
