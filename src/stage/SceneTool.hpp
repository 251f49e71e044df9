#pragma once

#include <ostream>
#include <string>
#include <vector>

// pulsestage-scene NAME: the program's window and frame loop, started on the named scene
// instead of the start-up scene, with the player around it (ScenePlayer).
class SceneTool
{
public:
    // The arguments without the program's name. Returns 0 when the session ended, 2 for a wrong
    // command line (the problem goes to err), 1 when the window cannot be opened, a picture is
    // missing or the recording cannot be written.
    static int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};
