#include "main/ProgramCommandLine.hpp"

#include "main/BuildInfo.hpp"
#include "main/UsageError.hpp"

bool ProgramCommandLine::Answer(const std::vector<std::string>& arguments, std::ostream& out)
{
    if (arguments.empty())
    {
        return false;
    }
    if (AnswerHelpOrVersion(arguments, Help(), out))
    {
        return true;
    }
    throw UsageError(arguments.size() == 1 ? "unknown argument \"" + arguments[0] + "\""
                                           : "expected at most one argument");
}

bool ProgramCommandLine::AnswerHelpOrVersion(const std::vector<std::string>& arguments,
                                             const std::string& help, std::ostream& out)
{
    if (arguments.size() != 1)
    {
        return false;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h")
    {
        out << help;
        return true;
    }
    if (arguments[0] == "--version")
    {
        out << BuildInfo::VersionLine() << "\n";
        return true;
    }
    return false;
}

std::string ProgramCommandLine::Usage()
{
    return "Usage: pulsestage [--help | --version]\n";
}

std::string ProgramCommandLine::Help()
{
    return Usage() + R"(
Opens a window of 1024 x 600 pixels on the start-up scene: a round body of radius 50 moves from
the black start circle towards the red destination circle, and the black boundary stops it where
the green circle shows. Drag the destination, the start or an end of the boundary with the left
button, pan with the right button, zoom with the wheel; resizing the window resets the view.
Closing the window ends the program.

The pictures of the scenes are looked for in the folder that PULSESTAGE_DATA names, then in
resources/ of the working folder, then in ../share/pulsestage beside the program, then in the
folder it was installed to. pulsestage-scene shows the other scene, pulsestage-shot draws a scene
into a picture; both say more with --help.

Options:
  --help, -h   print this text
  --version    print the version
)";
}
