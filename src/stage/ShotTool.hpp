#pragma once

#include <ostream>
#include <string>
#include <vector>

// pulsestage-shot: draws a scene off-screen and writes its last frame as a PNG, its frames as an
// animated GIF, or both (its --help tells how).
class ShotTool
{
public:
    // The arguments without the program's name. Returns the exit code: 0 when the files were
    // written, 2 for a wrong command line or script, 1 when the work failed; problems go to err
    // as "pulsestage-shot: ..." and leave no file behind.
    static int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};
